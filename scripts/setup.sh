#!/usr/bin/env bash
# Installs the Debian packages the build needs, when missing, and configures
# and builds Quorvane in ./build. Sourced by run-demo.sh and test.sh.
set -euo pipefail

QV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QV_BUILD="${QV_BUILD:-$QV_ROOT/build}"

qv_install_packages() {
    local wanted=(g++ cmake make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev "$@")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# qv_build [cmake options...] [-- targets...]
qv_build() {
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ "${1:-}" = "--" ] && shift && targets=("$@")
    cmake -S "$QV_ROOT" -B "$QV_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
    if [ ${#targets[@]} -gt 0 ]; then
        cmake --build "$QV_BUILD" -j"$(nproc)" --target "${targets[@]}"
    else
        cmake --build "$QV_BUILD" -j"$(nproc)"
    fi
}
