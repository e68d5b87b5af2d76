#!/usr/bin/env bash
# Builds Skarvel and starts the tuning panel on the simulated receiver card.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${SKARVEL_PACKAGES[@]}"
build_preset default
exec "$SKARVEL_ROOT/build/default/skarvel"
