#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test through ctest,
# with no display and no input.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

qv_install_packages
qv_build -DQV_WERROR=ON
export QT_QPA_PLATFORM=offscreen
cd "$QV_BUILD"
ctest --output-on-failure -j"$(nproc)"
