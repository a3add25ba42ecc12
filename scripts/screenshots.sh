#!/usr/bin/env bash
# Pictures of the program's windows on a virtual display: a first start on an
# empty database, the first-time guide, an import of samples/ through the
# update window, the main window, the split list, the about box and the help.
# Usage: scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-screenshots}")
cmake --build "$build" --target brevant-screenshot-tour brevant_help
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A window manager gives the windows their frames and honours "maximized".
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  openbox >/dev/null 2>&1 &
  sleep 1
  "$0" "$1" "$2" "$3" "$4"
' "$build/tests/app/brevant-screenshot-tour" "$out" "$tmp/BREVDATA.BVD" \
  "$PWD/samples/sample-quotes.txt" "$build/app/"
ls -1 "$out"
