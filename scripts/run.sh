#!/usr/bin/env bash
# Builds Skarvel and starts the tuning panel on the simulated receiver card.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${SKARVEL_PACKAGES[@]}"
build_preset default
echo "skarvel: everything is built; the panel cannot be shown yet (no display is available for it)." >&2
