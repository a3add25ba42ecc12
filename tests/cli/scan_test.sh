#!/usr/bin/env bash
# brevant-cli scan: option checking against the filter dialog's limits, the
# closing counter line on stderr, the result list on stdout and in --out.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/B.BVD"
"$cli" --db "$db" init 2>/dev/null

# Three stocks of 40 weekdays: two with rising volume, one thinly traded.
awk 'BEGIN {
  split("RISE,Rising Corp,5000;FALL,Falling Inc,5000;THIN,Thin Trading Ltd,10", s, ";")
  for (k = 1; k <= 3; k++) {
    split(s[k], f, ",")
    for (d = 1; d <= 40; d++) {
      day = 1 + (d - 1) % 28; month = 1 + int((d - 1) / 28)
      c = (f[1] == "FALL") ? 100 - d : 50 + d
      printf "%s,%s,%02d%02d2026,%d,%d,%d,%d,%d\n", f[1], f[2], day, month, c, c + 1, c - 1, c, f[3]
    }
  }
}' > "$dir/quotes.txt"
"$cli" --db "$db" import "$dir/quotes.txt" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }

# Out-of-range and malformed values are refused before anything runs.
for bad in "--macd 0" "--macd 201" "--ma 1,20,1" "--ma 10,201,1" "--rsi above,101,1" \
           "--rsi sideways,30,1" "--volume 999" "--volume 1000,yearly" "--macd" "--frobnicate 1"; do
  if "$cli" --db "$db" scan $bad >/dev/null 2>&1; then fail "accepted: $bad"; fi
done
if "$cli" --db "$db" scan 2>"$dir/err"; then fail "ran without a filter"; fi
grep -q "Please select at least one filter." "$dir/err" || fail "no-filter message"

"$cli" --db "$db" scan --volume 1000 --out "$dir/result.txt" >"$dir/out" 2>"$dir/err"
[ "$(cat "$dir/out")" = "$(printf 'Falling Inc , FALL\nRising Corp , RISE')" ] || fail "stdout: $(cat "$dir/out")"
[ "$(tail -n 1 "$dir/err")" = "processed 3 from 3, successful 2, unsuccessful 1, insufficient 0" ] ||
  fail "stderr: $(cat "$dir/err")"
printf 'STOCK SCAN RESULT:\r\n\r\nFalling Inc , FALL\r\nRising Corp , RISE\r\n' | cmp -s - "$dir/result.txt" ||
  fail "result file"

# 40 daily bars are too few for the default MACD (50).
"$cli" --db "$db" scan --macd 1 >/dev/null 2>"$dir/err"
[ "$(tail -n 1 "$dir/err")" = "processed 3 from 3, successful 0, unsuccessful 0, insufficient 3" ] ||
  fail "insufficient: $(cat "$dir/err")"
echo "cli scan: ok"
