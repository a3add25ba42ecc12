#!/usr/bin/env bash
# Installs what is needed, checks the formatting, builds twice with warnings
# as errors and runs every test, each suite on all cores at once (ctest -j):
#   1. clang with AddressSanitizer and UndefinedBehaviorSanitizer
#      (scripts/sanitizers/README.md) in build/asan: the whole suite, the
#      fuzz target for its full time and the slow reliability rounds
#      (label "slow") among it;
#   2. the regular build (gcc, RelWithDebInfo with line tables) in
#      build/test: the whole suite again (the layering test among it) but for
#      the slow rounds, which the first stage ran.
# Ends with the ten slowest tests of both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tests
bash scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen

# Tests spend much of their time waiting for the disk, the engine or a
# process they started, so more of them run at once than there are cores.
jobs=$(($(nproc) * 2))
stage_start=$SECONDS
stage_times=()
stage_done() {
  stage_times+=("$(printf '%-32s %4d s' "$1" $((SECONDS - stage_start)))")
  stage_start=$SECONDS
}
stage_done "set-up and formatting"

# Memory and undefined-behaviour checks over the whole suite; any report fails
# its test. The fuzz target is part of this build (it needs clang).
# Line tables are all a report's stack needs, and cost a fraction of full
# debugging information to compile and link.
sanitize="-O1 -gline-tables-only -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DBREVANT_WERROR=ON -DBREVANT_BENCH=OFF \
  -DBREVANT_FUZZ_SECONDS=30 -DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build/asan
stage_done "sanitizer build"
ASAN_OPTIONS=intercept_tls_get_addr=0 \
  LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizers/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan -j "$jobs" --output-on-failure --timeout 1200 \
  --output-junit "$PWD/build/asan/tests.xml"
stage_done "sanitizer suite"

# The optimisation users get; line tables only, for the same reason.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_WERROR=ON \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build build/test
stage_done "regular build"
ctest --test-dir build/test -j "$jobs" --output-on-failure --timeout 600 --label-exclude slow \
  --output-junit "$PWD/build/test/tests.xml"
stage_done "regular suite"

python3 scripts/lib/slowest_tests.py 10 \
  sanitizers=build/asan/tests.xml regular=build/test/tests.xml
echo "Stage times:"
printf '  %s\n' "${stage_times[@]}"
