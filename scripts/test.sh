#!/usr/bin/env bash
# Builds Skarvel and runs every test. Installs the Debian packages it needs first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${SKARVEL_PACKAGES[@]}"
build_preset default
ctest --preset default --parallel "$(nproc)"
