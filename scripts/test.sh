#!/usr/bin/env bash
# Installs what is needed, checks the formatting, builds with warnings as
# errors and runs every test: the fuzz targets for a bounded time first, then
# the whole suite (the layering test among it), whose summary ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen

# The fuzz targets need clang: a configure of their own.
cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_FUZZ_SECONDS=30
cmake --build build/fuzz
ctest --test-dir build/fuzz --output-on-failure --timeout 300

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_WERROR=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure --timeout 600
