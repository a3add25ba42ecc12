#!/usr/bin/env bash
# brevant-cli drawings and settings: trend lines and levels added, listed,
# deleted and drawn on `chart` (left out with --no-drawings); the indicator
# periods listed and changed all or nothing. Bad input: exit 2, a message,
# nothing stored.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/BREVDATA.BVD"
unset DISPLAY QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; exit 1; }

python3 - "$dir/quotes.txt" <<'PY'
import datetime, math, sys
day = datetime.date(2026, 1, 5)
with open(sys.argv[1], "w") as f:
    for i in range(120):
        while day.weekday() >= 5:
            day += datetime.timedelta(days=1)
        mid = 20 + 2 * math.sin(i / 6) + i / 20
        f.write(f"ACM,Acme Corp,{day:%d%m%Y},{mid-0.2:.2f},{mid+0.5:.2f},{mid-0.6:.2f},{mid+0.1:.2f},{1000*(50+i)}\n")
        f.write(f"BCO,Beta Co,{day:%d%m%Y},10,11,9,10.5,500\n")
        day += datetime.timedelta(days=1)
PY
"$cli" --db "$db" import "$dir/quotes.txt" >/dev/null 2>&1
run() { "$cli" --db "$db" "$@"; }

# No drawings: the default chart is the --no-drawings chart, byte for byte.
run chart ACM --png "$dir/plain.png" --size 480x300 2>/dev/null
run chart ACM --png "$dir/none.png" --size 480x300 --no-drawings 2>/dev/null
cmp -s "$dir/plain.png" "$dir/none.png" || fail "a chart without drawings changed"
[ -z "$(run drawings ACM)" ] || fail "drawings listed before any was added"

# Added, listed with their ids first, kept per stock.
[ "$(run drawings ACM --add trend 2026-01-12,19.5,2026-05-04,26.25)" = "1 trend 2026-01-12,19.5,2026-05-04,26.25" ] || fail "add trend"
[ "$(run drawings "Acme Corp , ACM" --add level 21)" = "2 level 21" ] || fail "add level by list text"
[ "$(run drawings BCO --add level 10.75)" = "3 level 10.75" ] || fail "add level of another stock"
[ "$(run drawings ACM)" = "$(printf '1 trend 2026-01-12,19.5,2026-05-04,26.25\n2 level 21')" ] || fail "list: $(run drawings ACM)"

# Drawn by default, on every period; left out with --no-drawings.
for period in daily weekly monthly; do
  run chart ACM --png "$dir/d.png" --size 480x300 --period $period 2>/dev/null
  run chart ACM --png "$dir/n.png" --size 480x300 --period $period --no-drawings 2>/dev/null
  ! cmp -s "$dir/d.png" "$dir/n.png" || fail "no drawings on the $period chart"
done
run chart ACM --png "$dir/n.png" --size 480x300 --no-drawings 2>/dev/null
cmp -s "$dir/plain.png" "$dir/n.png" || fail "--no-drawings still draws"

# Bad input: exit 2, one clear line, nothing stored.
while IFS= read -r row; do
  [ -z "$row" ] && continue
  args="${row%% => *}"
  expected="brevant-cli: ${row#* => }"
  eval "set -- $args"
  rc=0
  run "$@" >"$dir/out" 2>"$dir/err" || rc=$?
  [ "$rc" = 2 ] && [ ! -s "$dir/out" ] && [ "$(cat "$dir/err")" = "$expected" ] ||
    fail "$args: rc $rc, $(cat "$dir/err")"
done <<'TABLE'
drawings => drawings needs TEXT (a list text or a symbol)
drawings ACM --add => drawings: --add needs a value
drawings ACM --add circle 1 => drawings: --add takes trend or level once, not circle
drawings ACM --add level => drawings: --add level needs a PRICE
drawings ACM --add level 0 => drawings: --add level needs a PRICE above 0, not 0
drawings ACM --add level -5 => drawings: --add level needs a PRICE above 0, not -5
drawings ACM --add level 1e3 => drawings: --add level needs a PRICE above 0, not 1e3
drawings ACM --add level 5,6 => drawings: --add level needs a PRICE above 0, not 5,6
drawings ACM --add trend 2026-01-12,19.5 => drawings: --add trend needs YYYY-MM-DD,PRICE,YYYY-MM-DD,PRICE with prices above 0, not 2026-01-12,19.5
drawings ACM --add trend 2026-02-30,1,2026-03-01,2 => drawings: --add trend needs YYYY-MM-DD,PRICE,YYYY-MM-DD,PRICE with prices above 0, not 2026-02-30,1,2026-03-01,2
drawings ACM --add trend 2026-01-12,x,2026-03-01,2 => drawings: --add trend needs YYYY-MM-DD,PRICE,YYYY-MM-DD,PRICE with prices above 0, not 2026-01-12,x,2026-03-01,2
drawings ACM --add trend 2026-01-12,1,2026-01-12,2 => drawings: a trend line needs two different days, not 2026-01-12,1,2026-01-12,2
drawings ACM --add level 5 --add level 6 => drawings: --add takes trend or level once, not level
drawings ACM --add level 5 --delete 1 => drawings: --add and --delete cannot be used together
drawings ACM --delete one => drawings: --delete takes one ID (a whole number from 1), not one
drawings ACM --delete 0 => drawings: --delete takes one ID (a whole number from 1), not 0
drawings ACM BCO => drawings takes one TEXT, got another: BCO
drawings ACM --frob 1 => drawings: unknown option --frob
settings list => settings takes nothing, or set NAME=VALUE..., not list
settings set => settings set needs NAME=VALUE
settings set RSI => settings: expected NAME=VALUE, not RSI: nothing stored
settings set RSI=9 rsi=9 => settings: unknown setting rsi: nothing stored
settings set RSI=9 MACD2=3 => settings: MACD2 must be a whole number from 4 to 100, not 3: nothing stored
settings set RSI=9 ATR=101 => settings: ATR must be a whole number from 3 to 100, not 101: nothing stored
settings set RSI=2 => settings: RSI must be a whole number from 3 to 100, not 2: nothing stored
settings set RSI=9.5 => settings: RSI must be a whole number from 3 to 100, not 9.5: nothing stored
settings set RSI= => settings: RSI must be a whole number from 3 to 100, not : nothing stored
settings set RSI=+9 => settings: RSI must be a whole number from 3 to 100, not +9: nothing stored
TABLE
[ "$(run drawings ACM | wc -l)" = 2 ] || fail "a refused drawing was stored"
# A stock without quotes gets none.
rc=0; run drawings NOPE --add level 5 >/dev/null 2>"$dir/err" || rc=$?
[ "$rc" = 1 ] && grep -q "no quotes for NOPE" "$dir/err" || fail "drawing for an unknown stock: rc $rc"
[ -z "$(run drawings NOPE)" ] || fail "drawing stored for an unknown stock"

# Deleted by id; an id of another stock or none at all is refused.
rc=0; run drawings ACM --delete 3 2>"$dir/err" || rc=$?
[ "$rc" = 1 ] && grep -q "ACM has no drawing 3" "$dir/err" || fail "deleted another stock's drawing"
run drawings ACM --delete 1
[ "$(run drawings ACM)" = "2 level 21" ] || fail "after delete: $(run drawings ACM)"
[ "$(run drawings BCO)" = "3 level 10.75" ] || fail "another stock's drawing went"

# Periods: the defaults, a change of several, and the refused change stored nothing.
defaults="MACD1=12 MACD2=26 MACD3=9 RSI=14 CCI=20 MFI=14 WR=14 ADX=14 FSTOC1=14 FSTOC2=3 SSTOC1=14 SSTOC2=3 CMF=20 ROC=12 ATR=14"
[ "$(run settings | tr '\n' ' ')" = "$defaults " ] || fail "settings: $(run settings | tr '\n' ' ')"
run settings set RSI=9 MACD2=4 ATR=100 >/dev/null
changed=$(run settings | tr '\n' ' ')
[ "$changed" = "MACD1=12 MACD2=4 MACD3=9 RSI=9 CCI=20 MFI=14 WR=14 ADX=14 FSTOC1=14 FSTOC2=3 SSTOC1=14 SSTOC2=3 CMF=20 ROC=12 ATR=100 " ] || fail "after set: $changed"
# The readout of the changed period: bars computes with the stored RSI.
[ "$(run bars ACM --calc rsi | tail -1)" = "$(run bars ACM --calc rsi --param RSI=9 | tail -1)" ] || fail "bars did not use the stored RSI"
echo ok
