#!/usr/bin/env bash
# Builds the window and saves the README pictures (window, block editing, graphs and
# comparison) into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
export CCACHE_BASEDIR="$(pwd)"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$BUILD_DIR" --target kelvor_screenshot
mkdir -p docs
# A screen large enough for the whole window, as on a desktop.
export QT_QPA_PLATFORM=offscreen:configfile=$PWD/tests/support/desktop_screen.json
"$BUILD_DIR/tools/screenshot/kelvor_screenshot" docs
