#!/usr/bin/env bash
# Pictures of the screening windows on a virtual display: every page of the
# filter dialog, the progress window during a run and when complete, and the
# main window with the result list, over the sample quotes.
# Usage: scripts/screening_screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-screenshots/screening}")
cmake --build "$build" --target brevant-screening-tour brevant_help
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A window manager gives the windows their frames and honours "maximized".
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  openbox >/dev/null 2>&1 &
  sleep 1
  "$0" "$1" "$2" "$3" "$4"
' "$build/tests/screen_ui/brevant-screening-tour" "$out" "$tmp/BREVDATA.BVD" \
  "$PWD/samples/sample-quotes.txt" "$build/app/"
ls -1 "$out"
