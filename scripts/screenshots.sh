#!/usr/bin/env bash
# Pictures of the program's windows on a virtual display: a first start on an
# empty database, the first-time guide, an import of samples/ through the
# update window, the main window, the split list, the about box and the help.
# Usage: scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/virtual_display.sh
run_tour "$(realpath "${1:-build}")" tests/app/brevant-screenshot-tour \
  "$(realpath -m "${2:-screenshots}")"
