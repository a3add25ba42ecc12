#!/usr/bin/env bash
# Compares the main window of two builds, for a change that should leave it
# as it was: the text dump of its widget tree (names, texts, menus with their
# shortcuts and check marks, combo boxes, tool buttons, geometry, the chart's
# series and axes) and its pictures in several views, made offscreen by
# tests/app/brevant-window-dump. Prints the differences; status 1 if any.
# Usage: scripts/compare-windows.sh OLD_BUILD_DIR NEW_BUILD_DIR
set -euo pipefail
[ $# = 2 ] || { echo "usage: $0 OLD_BUILD_DIR NEW_BUILD_DIR" >&2; exit 2; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1/tests/app/brevant-window-dump" "$out/old" >/dev/null
"$2/tests/app/brevant-window-dump" "$out/new" >/dev/null
status=0
diff -u "$out/old/dump.txt" "$out/new/dump.txt" || status=1
pictures=0
for f in "$out/old"/*.png; do
  pictures=$((pictures + 1))
  cmp -s "$f" "$out/new/$(basename "$f")" || { echo "picture differs: $(basename "$f")"; status=1; }
done
echo "compare-windows: $(grep -c '^===' "$out/old/dump.txt") states, $pictures pictures"
exit $status
