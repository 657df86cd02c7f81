#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# The desktop's own question, "are you responding", put to the real window while it browses a
# large folder: the window starts in FOLDER, ADD_AT seconds later (default 6) its file list is
# clicked and all its files are selected and added with Return (xdotool), and wm_ping asks the
# window a ping at a time for SECONDS (default 16) and prints how long the answers took. Runs on
# DISPLAY, or on an Xvfb of its own where none is set; wants no window manager.
# usage: bench/browse_ping.sh FOLDER [SECONDS] [BUILD_DIR]
set -euo pipefail

folder=$(realpath "$1")
seconds=${2:-16}
build=$(realpath "${3:-build}")
add_at=${ADD_AT:-6}

if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:97
    Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    sleep 1
fi

(cd "$folder" && exec "$build/app/wypelark" 2>/dev/null) &
window=$!
trap 'kill $window 2>/dev/null || true; [ -n "${xvfb:-}" ] && kill $xvfb 2>/dev/null || true' EXIT
# The file list's place in the window, which opens at the screen's top left corner.
(sleep "$add_at" && xdotool mousemove 400 100 click 1 key ctrl+a Return) &
"$build/bench/wm_ping" "$window" "$seconds"
