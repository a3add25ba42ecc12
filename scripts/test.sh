#!/usr/bin/env bash
# Installs what is needed, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_WERROR=ON
cmake --build build/test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure --timeout 600
