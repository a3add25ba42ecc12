#!/usr/bin/env bash
# brevant-cli scan --where: a formula screen alone, with filters, in a
# screens file, its messages, and --backtest with its table, CSV and picture.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/B.BVD"
"$cli" --db "$db" init 2>/dev/null

# Three stocks of 40 weekdays: two with steady volume 5000, one thinly traded.
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

# A bad formula: one message with its position; nothing runs.
if "$cli" --db "$db" scan --where "rsi(14 > 50" >"$dir/out" 2>"$dir/err"; then fail "bad formula ran"; fi
[ "$(cat "$dir/err")" = "brevant-cli: --where: position 8: expected ')', found '>'" ] ||
  fail "message: $(cat "$dir/err")"
[ ! -s "$dir/out" ] || fail "a bad formula printed results"
for bad in "--period weekly --volume 1000" "--backtest 10 --volume 1000" "--where close>0 --hold 5" \
           "--where close>0 --backtest 0" "--where close>0 --backtest 5 --hold 1,1" \
           "--where close>0 --backtest 5 --macd 1" "--where close>0 --backtest 5 --out $dir/o.txt" \
           "--where close>0 --csv $dir/c.csv" "--where close>0 --period yearly"; do
  if "$cli" --db "$db" scan $bad >/dev/null 2>&1; then fail "accepted: $bad"; fi
done

# The volume filter written as a formula lists what the filter lists.
"$cli" --db "$db" scan --volume 1000 >"$dir/filter" 2>/dev/null
"$cli" --db "$db" scan --where "ma(volume, 20) > 1000" --out "$dir/result.txt" >"$dir/out" 2>"$dir/err"
diff "$dir/filter" "$dir/out" || fail "formula against filter"
[ "$(tail -n 1 "$dir/err")" = "processed 3 from 3, successful 2, unsuccessful 1, insufficient 0" ] ||
  fail "counters: $(cat "$dir/err")"
printf 'STOCK SCAN RESULT:\r\n\r\nFalling Inc , FALL\r\nRising Corp , RISE\r\n' | cmp -s - "$dir/result.txt" ||
  fail "result file"
# With a filter beside it both must pass; weekly bars on request.
"$cli" --db "$db" scan --volume 1000 --where "close > close[1]" >"$dir/out" 2>/dev/null
[ "$(cat "$dir/out")" = "Rising Corp , RISE" ] || fail "with a filter: $(cat "$dir/out")"
"$cli" --db "$db" scan --where "close < close[7]" --period weekly >"$dir/out" 2>"$dir/err"
[ "$(tail -n 1 "$dir/err")" = "processed 3 from 3, successful 0, unsuccessful 0, insufficient 3" ] ||
  fail "weekly look-back before the first week: $(cat "$dir/err")"

# A formula in a screens file, in double quotes.
printf -- '--where "close > close[1]" --volume 1000\n--where "ma(close, 5) < close" --period monthly\n' > "$dir/screens.txt"
"$cli" --db "$db" scan --screens "$dir/screens.txt" >"$dir/out" 2>/dev/null || fail "screens"
[ "$(head -n 2 "$dir/out")" = "$(printf '# line 1: --where "close > close[1]" --volume 1000\nRising Corp , RISE')" ] ||
  fail "screens output: $(cat "$dir/out")"
printf -- '--where "close > 1\n' > "$dir/open.txt"
"$cli" --db "$db" scan --screens "$dir/open.txt" >/dev/null 2>"$dir/err" && fail "open quote ran"
grep -q "open.txt line 1: a double quote is not closed" "$dir/err" || fail "quote: $(cat "$dir/err")"

# Back-test: the table, one CSV row per day and pick, the picture.
"$cli" --db "$db" scan --where "close > close[1]" --backtest 10 --hold 1,5 \
  --csv "$dir/picks.csv" --png "$dir/plot.png" >"$dir/out" 2>"$dir/err" || fail "backtest: $(cat "$dir/err")"
grep -q "^# back-test: close > close\[1\] (daily bars)$" "$dir/out" || fail "title: $(cat "$dir/out")"
grep -q "^# 10 days, 2026-02-03 to 2026-02-12; short of data on 0 of 30 stock-days$" "$dir/out" ||
  fail "days: $(cat "$dir/out")"
# Rising and Thin rise every day: 9 one-day returns each of their 10 picks,
# 5 five-day ones; the market adds Falling's.
grep -Eq "^   1       18 +\+[0-9.]+% +\+[0-9.]+% +100.0% +27 " "$dir/out" || fail "hold 1: $(cat "$dir/out")"
grep -Eq "^   5       10 .* 15 " "$dir/out" || fail "hold 5: $(cat "$dir/out")"
[ "$(head -n 1 "$dir/picks.csv")" = "date,symbol,name,close,return_1,return_5" ] || fail "csv header"
[ "$(grep -c ',RISE,Rising Corp,' "$dir/picks.csv")" = 10 ] || fail "csv rows: $(cat "$dir/picks.csv")"
[ "$(tail -n 2 "$dir/picks.csv" | head -n 1)" = "2026-02-12,RISE,Rising Corp,90,," ] || fail "last csv rows"
[ "$(head -c 4 "$dir/plot.png" | od -An -c | tr -d ' ')" = "211PNG" ] || fail "png"
ls "$dir" | grep -q 'XXXXXX\|\.tmp' && fail "a temporary file was left"
echo "cli formula scan: ok"
