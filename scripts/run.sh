#!/usr/bin/env bash
# Installs what is needed, builds a release build and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBREVANT_TESTS=OFF -DBREVANT_BENCH=OFF
cmake --build build/release
exec build/release/app/brevant "$@"
