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

set +e
"$cli" --db "$db" chart ACM --png "$dir/c.png" --indicator "Nonsense" 2>/dev/null; rc=$?
[ $rc -eq 2 ] || { echo "bad indicator: rc $rc"; exit 1; }
"$cli" --db "$db" chart ACM 2>/dev/null; rc=$?
[ $rc -eq 2 ] || { echo "missing --png: rc $rc"; exit 1; }
"$cli" --db "$db" chart NOPE --png "$dir/d.png" 2>/dev/null; rc=$?
[ $rc -eq 1 ] && [ ! -e "$dir/d.png" ] || { echo "unknown stock: rc $rc"; exit 1; }
exit 0
