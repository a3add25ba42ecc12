#!/usr/bin/env bash
# Pictures of the screening windows on a virtual display: every page of the
# filter dialog, the progress window during a run and when complete, and the
# main window with the result list, over the sample quotes.
# Usage: scripts/screening_screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/virtual_display.sh
run_tour "$(realpath "${1:-build}")" tests/screen_ui/brevant-screening-tour \
  "$(realpath -m "${2:-screenshots/screening}")"
