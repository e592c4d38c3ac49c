#!/bin/sh
# Saves pictures of both tabs of the main window (tab0.png "User", tab1.png "USB ") into the
# folder given (default /tmp/hxt-shots), drawn by a virtual X server with the desktop's fonts.
# Usage: scripts/screenshot.sh [build-dir] [out-dir]
set -e
build=${1:-build}
out=${2:-/tmp/hxt-shots}
mkdir -p "$out"
HXT_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/tst_window" saveScreenshots
echo "written: $out/tab0.png $out/tab1.png"
