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
# Many screens in one run: each under a header naming its line, each as its
# own run would list it; comments and blank lines are skipped.
cat > "$dir/screens.txt" <<'SCREENS'
# nightly screens
--volume 1000

  --volume 1000,weekly --ma 2,3,1   # a comment after a screen
--macd 1
SCREENS
"$cli" --db "$db" scan --screens "$dir/screens.txt" >"$dir/out" 2>"$dir/err" || fail "screens: $(cat "$dir/err")"
{
  echo "# line 2: --volume 1000"
  "$cli" --db "$db" scan --volume 1000 2>/dev/null
  echo "# line 4: --volume 1000,weekly --ma 2,3,1"
  "$cli" --db "$db" scan --volume 1000,weekly --ma 2,3,1 2>/dev/null
  echo "# line 5: --macd 1"
} > "$dir/expected"
diff "$dir/expected" "$dir/out" || fail "screens output"
grep -qx "line 5: processed 3 from 3, successful 0, unsuccessful 0, insufficient 3" "$dir/err" ||
  fail "screens counters: $(cat "$dir/err")"

# A bad line is named by its number and nothing runs.
printf -- '--volume 1000\n--macd 0\n' > "$dir/bad.txt"
if "$cli" --db "$db" scan --screens "$dir/bad.txt" >"$dir/out" 2>"$dir/err"; then fail "bad screen ran"; fi
[ ! -s "$dir/out" ] || fail "a bad screens file printed results"
grep -q "bad.txt line 2: --macd N" "$dir/err" || fail "bad line message: $(cat "$dir/err")"
printf -- '--volume 1000\n--out x.txt\n' > "$dir/bad.txt"
"$cli" --db "$db" scan --screens "$dir/bad.txt" 2>"$dir/err" >/dev/null && fail "--out in a screen"
grep -q "line 2: unknown option --out" "$dir/err" || fail "unknown option: $(cat "$dir/err")"
printf -- '# only comments\n\n' > "$dir/none.txt"
for bad in "--screens $dir/none.txt" "--screens $dir/missing.txt" \
           "--screens $dir/screens.txt --macd 1" "--screens $dir/screens.txt --out $dir/o.txt"; do
  if "$cli" --db "$db" scan $bad >/dev/null 2>&1; then fail "accepted: $bad"; fi
done
[ ! -e "$dir/o.txt" ] || fail "--out written beside --screens"

# On a terminal the progress line counts the stocks and the time left.
if command -v script >/dev/null; then
  script -qec "\"$cli\" --db \"$db\" scan --volume 1000" /dev/null > "$dir/tty" 2>&1 ||
    fail "scan on a terminal"
  grep -q "3 of 3 stocks, .* left" "$dir/tty" || fail "no progress on a terminal: $(cat -v "$dir/tty")"
  grep -q "of 3 stocks" "$dir/err" && fail "progress written when stderr is no terminal"
fi

# 30 rising days: RSI exists from day 16, so a look-back of 20 days has no
# value to compare and the stock is short of data, not listed.
short="$dir/S.BVD"
"$cli" --db "$short" init 2>/dev/null
awk 'BEGIN { for (d = 1; d <= 30; d++) printf "UPP,Up Steadily,%02d112026,%d,%d,%d,%d,1000\n", d, 10 + d, 11 + d, 9 + d, 10 + d }' > "$dir/up.txt"
"$cli" --db "$short" import "$dir/up.txt" >/dev/null
"$cli" --db "$short" scan --rsi above,99,20 >"$dir/out" 2>"$dir/err"
[ ! -s "$dir/out" ] || fail "rsi before its first value passed: $(cat "$dir/out")"
[ "$(tail -n 1 "$dir/err")" = "processed 1 from 1, successful 0, unsuccessful 0, insufficient 1" ] ||
  fail "rsi short of data: $(cat "$dir/err")"
echo "cli scan: ok"
