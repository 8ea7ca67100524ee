#!/usr/bin/env bash
# Builds Quorvane and saves pictures of its windows on the demo installation
# into docs/screenshots/.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

qv_install_packages
qv_build -- test_ui_workstation test_ui_folders quorvane-demo revsample
export QV_BIN_DIR="$QV_BUILD/bin" QV_SCREENSHOTS="$QV_ROOT/docs/screenshots"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$QV_BUILD/bin/test_ui_workstation" --gtest_filter='Screenshots.*:DrawingPictures.*'
"$QV_BUILD/bin/test_ui_folders" --gtest_filter='FolderScreenshots.*'
echo "Pictures in $QV_SCREENSHOTS"
