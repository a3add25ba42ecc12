#!/usr/bin/env bash
# brevant-cli chart draws a stock's chart into a PNG of the asked size without
# a display; bad options are usage errors and an unknown stock writes nothing.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/BREVDATA.BVD"
unset DISPLAY QT_QPA_PLATFORM

# 80 trading days of one stock.
python3 - "$dir/quotes.txt" <<'PY'
import datetime, math, sys
day = datetime.date(2026, 1, 5)
with open(sys.argv[1], "w") as f:
    f.write("<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>\n")
    for i in range(80):
        while day.weekday() >= 5:
            day += datetime.timedelta(days=1)
        mid = 20 + 2 * math.sin(i / 6)
        f.write(f"ACM,Acme Corp,{day:%d%m%Y},{mid-0.2:.2f},{mid+0.5:.2f},{mid-0.6:.2f},{mid+0.1:.2f},{1000*(50+i)}\n")
        day += datetime.timedelta(days=1)
PY
"$cli" --db "$db" import "$dir/quotes.txt" >/dev/null 2>&1

"$cli" --db "$db" chart ACM --png "$dir/a.png" --size 640x400 --indicator "RSI Relative Strength" \
    --style Line --ma 5,10,20 --bb 20,2 2>"$dir/err.txt"
[ ! -s "$dir/err.txt" ] || { echo "stderr: $(cat "$dir/err.txt")"; exit 1; }
size=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); assert d[:8]==b"\x89PNG\r\n\x1a\n"; print("%dx%d" % struct.unpack(">II", d[16:24]))' "$dir/a.png")
[ "$size" = "640x400" ] || { echo "size: $size"; exit 1; }

# A window longer than the history says so, and still draws.
"$cli" --db "$db" chart "Acme Corp , ACM" --png "$dir/b.png" --window "1 Year" --period weekly 2>"$dir/err.txt"
grep -qx "Acme Corp , ACM has less than 1 Year data" "$dir/err.txt" || { echo "status: $(cat "$dir/err.txt")"; exit 1; }
[ -s "$dir/b.png" ]

# Beyond the specified windows: the whole history, a date range, a log scale,
# split-adjusted prices. A range reaching before the first day says so.
for opts in '--window|All History' '--window|2 Years|--history|all' '--log' '--adjusted' \
            '--from|2026-02-02|--to|2026-03-13' '--window|5 Years|--log|--adjusted'; do
    IFS='|' read -r -a extra <<<"$opts"
    rm -f "$dir/e.png"
    "$cli" --db "$db" chart ACM --png "$dir/e.png" --size 320x200 "${extra[@]}" 2>"$dir/err.txt" \
        || { echo "$opts: $(cat "$dir/err.txt")"; exit 1; }
    [ -s "$dir/e.png" ] || { echo "$opts: no picture"; exit 1; }
done
"$cli" --db "$db" chart ACM --png "$dir/e.png" --size 320x200 --from 2025-12-01 --to 2026-01-20 2>"$dir/err.txt"
grep -qx "Acme Corp , ACM has no data before 05.01.2026" "$dir/err.txt" || { echo "early range: $(cat "$dir/err.txt")"; exit 1; }
# The whole history of bars: every stored day.
rows=$("$cli" --db "$db" bars ACM --history all | wc -l)
[ "$rows" -ge 80 ] || { echo "bars --history all: $rows lines"; exit 1; }

set +e
"$cli" --db "$db" chart ACM --png "$dir/c.png" --indicator "Nonsense" 2>/dev/null; rc=$?
[ $rc -eq 2 ] || { echo "bad indicator: rc $rc"; exit 1; }
"$cli" --db "$db" chart ACM 2>/dev/null; rc=$?
[ $rc -eq 2 ] || { echo "missing --png: rc $rc"; exit 1; }
"$cli" --db "$db" chart NOPE --png "$dir/d.png" 2>/dev/null; rc=$?
[ $rc -eq 1 ] && [ ! -e "$dir/d.png" ] || { echo "unknown stock: rc $rc"; exit 1; }
for opts in '--from|2026-02-30' '--from|2026-3-01' '--to|yesterday' '--from|2026-03-01|--to|2026-02-01' \
            '--window|3 Years' '--history|some' '--window|1 Year|--from|2026-01-05'; do
    IFS='|' read -r -a extra <<<"$opts"
    "$cli" --db "$db" chart ACM --png "$dir/f.png" "${extra[@]}" 2>"$dir/err.txt"; rc=$?
    [ $rc -eq 2 ] && [ -s "$dir/err.txt" ] && [ ! -e "$dir/f.png" ] || { echo "$opts: rc $rc"; exit 1; }
done
"$cli" --db "$db" chart ACM --png "$dir/f.png" --from 2020-01-01 --to 2020-12-31 2>"$dir/err.txt"; rc=$?
[ $rc -eq 1 ] && [ ! -e "$dir/f.png" ] || { echo "range without quotes: rc $rc"; exit 1; }
grep -qx "brevant-cli: no quotes for ACM from 2020-01-01 to 2020-12-31" "$dir/err.txt" || { echo "$(cat "$dir/err.txt")"; exit 1; }
exit 0
