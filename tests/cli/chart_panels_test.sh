#!/usr/bin/env bash
# brevant-cli chart with several indicator panels: --indicator given once is
# the one-panel chart (the same picture as without it for the default view),
# twice or three times adds a panel each under the price panel, a fourth
# time is a usage error that writes nothing.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/BREVDATA.BVD"
unset DISPLAY QT_QPA_PLATFORM

python3 - "$dir/quotes.txt" <<'PY'
import datetime, math, sys
day = datetime.date(2025, 1, 6)
with open(sys.argv[1], "w") as f:
    f.write("<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>\n")
    for i in range(200):
        while day.weekday() >= 5:
            day += datetime.timedelta(days=1)
        mid = 30 + 3 * math.sin(i / 9) + i * 0.01
        f.write(f"ACM,Acme Corp,{day:%d%m%Y},{mid-0.2:.2f},{mid+0.5:.2f},{mid-0.6:.2f},{mid+0.1:.2f},{1000*(50+i%13)}\n")
        day += datetime.timedelta(days=1)
PY
"$cli" --db "$db" import "$dir/quotes.txt" >/dev/null 2>&1

chart() { # OUT ARGS...
    local out="$1"; shift
    "$cli" --db "$db" chart ACM --png "$dir/$out" --size 800x600 "$@" 2>"$dir/err.txt" \
        || { echo "$out: $(cat "$dir/err.txt")"; exit 1; }
    [ ! -s "$dir/err.txt" ] || { echo "$out stderr: $(cat "$dir/err.txt")"; exit 1; }
}
chart none.png
chart one.png --indicator "MACD Full"
chart two.png --indicator "MACD Full" --indicator "RSI Relative Strength"
chart three.png --indicator "MACD Full" --indicator "RSI Relative Strength" --indicator 15
chart three-all.png --indicator 3 --indicator "Slow Stochastic" --indicator "On Balance Volume" \
    --ma 5,10,20 --bb 20,2 --window "View All"
cmp -s "$dir/none.png" "$dir/one.png" || { echo "one --indicator differs from none"; exit 1; }
cmp -s "$dir/one.png" "$dir/two.png" && { echo "a second panel changed nothing"; exit 1; }
cmp -s "$dir/two.png" "$dir/three.png" && { echo "a third panel changed nothing"; exit 1; }

# The panels' top borders: rows of the axis blue (0,58,117) across the plot.
# One panel has its top line only; each added panel brings one more border.
borders() {
    python3 - "$1" <<'PY'
import sys, zlib, struct
data = open(sys.argv[1], "rb").read()
w, h = struct.unpack(">II", data[16:24])
pos, idat = 8, b""
while pos < len(data):
    n = struct.unpack(">I", data[pos:pos+4])[0]; kind = data[pos+4:pos+8]
    if kind == b"IDAT": idat += data[pos+8:pos+8+n]
    pos += 12 + n
raw = zlib.decompress(idat)
bpp = 4 if data[25] == 6 else 3
stride = w * bpp
rows, prev = [], bytearray(stride)
i = 0
for y in range(h):
    f = raw[i]; line = bytearray(raw[i+1:i+1+stride]); i += 1 + stride
    for x in range(stride):
        a = line[x-bpp] if x >= bpp else 0; b = prev[x]; c = prev[x-bpp] if x >= bpp else 0
        if f == 1: line[x] = (line[x] + a) & 255
        elif f == 2: line[x] = (line[x] + b) & 255
        elif f == 3: line[x] = (line[x] + (a + b) // 2) & 255
        elif f == 4:
            p = a + b - c; pa, pb, pc = abs(p-a), abs(p-b), abs(p-c)
            line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line); prev = line
count = 0
for line in rows:
    blue = sum(1 for x in range(0, stride, bpp) if tuple(line[x:x+3]) == (0, 58, 117))
    if blue > w * 0.8: count += 1
print(count)
PY
}
b1=$(borders "$dir/one.png"); b2=$(borders "$dir/two.png"); b3=$(borders "$dir/three.png")
[ "$b2" -gt "$b1" ] && [ "$b3" -gt "$b2" ] || { echo "border rows: $b1 $b2 $b3"; exit 1; }

set +e
"$cli" --db "$db" chart ACM --png "$dir/four.png" --indicator 1 --indicator 2 --indicator 3 \
    --indicator 4 2>"$dir/err.txt"; rc=$?
[ $rc -eq 2 ] && [ ! -e "$dir/four.png" ] || { echo "four panels: rc $rc"; exit 1; }
grep -qx "brevant-cli: chart: --indicator may be given at most 3 times, one panel each" "$dir/err.txt" \
    || { echo "four panels: $(cat "$dir/err.txt")"; exit 1; }
"$cli" --db "$db" chart ACM --png "$dir/bad.png" --indicator 1 --indicator Nonsense 2>"$dir/err.txt"; rc=$?
[ $rc -eq 2 ] && [ ! -e "$dir/bad.png" ] || { echo "unknown second indicator: rc $rc"; exit 1; }
grep -q "unknown indicator Nonsense" "$dir/err.txt" || { echo "$(cat "$dir/err.txt")"; exit 1; }
exit 0
