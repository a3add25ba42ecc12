#!/usr/bin/env bash
# Installs what is needed, checks the formatting, builds with warnings as
# errors and runs every test: the fuzz targets for a bounded time first, then
# the whole suite built with clang's AddressSanitizer and
# UndefinedBehaviorSanitizer (scripts/sanitizers/README.md), then the whole
# suite of the regular build (the layering test among it), whose summary ends
# the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tests
bash scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen

# The fuzz targets need clang: a configure of their own.
cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_FUZZ_SECONDS=30
cmake --build build/fuzz
ctest --test-dir build/fuzz --output-on-failure --timeout 300

# Memory and undefined-behaviour checks over the whole suite; any report fails
# its test. The fuzz target of this build runs briefly: the stage above ran it.
sanitize="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DBREVANT_WERROR=ON -DBREVANT_BENCH=OFF \
  -DBREVANT_FUZZ_SECONDS=10 -DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build/asan
ASAN_OPTIONS=intercept_tls_get_addr=0 \
  LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizers/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure --timeout 1200

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_WERROR=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure --timeout 600
