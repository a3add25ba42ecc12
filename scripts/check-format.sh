#!/usr/bin/env bash
# Fails when a C or C++ file differs from what the checked-in .clang-format
# makes of it, naming each place. The tree is formatted with clang-format 14
# (Debian 12's): other versions lay some code out differently.
# Fix with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format="${CLANG_FORMAT:-clang-format}"
version=$("$clang_format" --version | sed -n 's/.*clang-format version \([0-9]*\).*/\1/p')
if [ "$version" != 14 ]; then
  echo "check-format: needs clang-format 14, found: $("$clang_format" --version)" >&2
  exit 1
fi
# Every tracked source file; outside a git checkout, the source folders.
if files=$(git ls-files -- '*.cpp' '*.h' '*.c' 2>/dev/null) && [ -n "$files" ]; then
  :
else
  files=$(find . -path ./build -prune -o -path './.*' -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print | sed 's|^\./||' | sort)
fi
count=$(wc -l <<<"$files")
if ! xargs -d '\n' "$clang_format" --dry-run --Werror <<<"$files"; then
  echo "check-format: files above differ from .clang-format (clang-format -i FILE fixes them)" >&2
  exit 1
fi
echo "check-format: $count files formatted"
