#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test through ctest,
# with no display and no input. Then builds the core and platform tests again
# with clang's address and undefined-behaviour checks in ./build-asan and runs
# them: any finding fails the run.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

qv_install_packages clang libclang-rt-dev
qv_build -DQV_WERROR=ON
export QT_QPA_PLATFORM=offscreen
(cd "$QV_BUILD" && ctest --output-on-failure -j"$(nproc)")

# The whole reverse run of the workstation tests starts the sample programs.
asan_targets=(test_platform test_core_common test_core_tooling test_core_folders test_core_startup test_core_faults
            test_core_exchange test_core_workstation revsample quorvane-demo)
sanitizers="-O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
QV_BUILD="$QV_ROOT/build-asan"
qv_build -DQV_WERROR=ON -DQV_BUILD_UI=OFF -DQV_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Sanitize \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_SANITIZE="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS_SANITIZE="-fsanitize=address,undefined" -- "${asan_targets[@]}"
cd "$QV_BUILD"
ctest --output-on-failure -j"$(nproc)" -L '^test_(platform|core_)'
