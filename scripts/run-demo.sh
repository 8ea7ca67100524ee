#!/usr/bin/env bash
# Builds Quorvane, writes the demo installation into ./demo and starts the
# program there (its working folder is the system folder, as the suite wants).
set -euo pipefail
source "$(dirname "$0")/setup.sh"

qv_install_packages
qv_build -- quorvane quorvane-demo revsample

DEMO="${QV_DEMO:-$QV_ROOT/demo}"
if [ ! -f "$DEMO/C/QUORVANE/Quorvane.cfg" ]; then
    "$QV_BUILD/bin/quorvane-demo" "$DEMO" --processor "$QV_BUILD/bin/revsample"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start it under a virtual one with 'xvfb-run -a $0' (package xvfb), or from a desktop session."
    exit 1
fi
cd "$DEMO/C/QUORVANE"
exec "$QV_BUILD/bin/quorvane"
