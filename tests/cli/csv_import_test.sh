#!/usr/bin/env bash
# brevant-cli import on a folder of mixed layouts: the layout and the skipped
# lines of each file on stderr, a refused file named with its first line while
# the others are stored, and --format forcing a layout.
set -euo pipefail
cli="$1" fixtures="$2"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cp "$fixtures"/{native_plain.txt,zenit.us.txt,close_only.csv,many_plain.csv,bad_rows.csv,QRTZ.csv} "$dir/"
# The native file in CRLF, the per-symbol one in LF, beside the fixtures' own
# (zenit.us.txt: CRLF and a byte-order mark; many_plain.csv: CRLF).
printf 'NATV,Native Co,04082025,1,2,0.5,1.5,100\r\nNATV,Native Co,05082025,1,2,0.5,1.6,100\r\n' >"$dir/natv.txt"
printf 'Date,Open,High,Low,Close,Volume\n2025-08-04,3,4,2,3.5,10\n2025-08-05,3,4\n' >"$dir/PERS.csv"

# A refused file: the import goes on, the others are stored, the status is 1.
status=0
"$cli" --db "$dir/a.BVD" import "$dir/native_plain.txt" "$dir/natv.txt" "$dir/zenit.us.txt" \
  "$dir/close_only.csv" "$dir/many_plain.csv" "$dir/bad_rows.csv" "$dir/PERS.csv" \
  >"$dir/out" 2>"$dir/err" || status=$?
[ "$status" = 1 ] || fail "status $status with a refused file"
[ "$(cat "$dir/out")" = "files 6 lines 16" ] || fail "counts: $(cat "$dir/out")"
expected="native_plain.txt, native: 3 lines stored, 0 header lines skipped, 0 other lines skipped
natv.txt, native: 2 lines stored, 0 header lines skipped, 0 other lines skipped
zenit.us.txt, CSV (ZENIT): 3 lines stored, 1 header line skipped, 0 other lines skipped
->ERROR: UNRECOGNISED FILE LAYOUT $dir/close_only.csv (no Open, High, Low column): Date,Close,Volume
many_plain.csv, CSV (many symbols): 5 lines stored, 1 header line skipped, 0 other lines skipped
bad_rows.csv, CSV (many symbols): 2 lines stored, 2 header lines skipped, 7 other lines skipped (missing field 2, bad date 1, bad number 4)
PERS.csv, CSV (PERS): 1 line stored, 1 header line skipped, 1 other line skipped (missing field 1)"
[ "$(cat "$dir/err")" = "$expected" ] || fail "import said:"
# The symbol of a one-symbol file from its name; long symbols cut to 10.
list=$("$cli" --db "$dir/a.BVD" list)
[ "$(sed 's/.* , //' <<<"$list" | sort | tr '\n' ' ')" = "GOOD LONGSYMBOL NATV NOVL PERS QRTZ ZENIT " ] ||
  fail "list: $list"
grep -qx "LONGSYMBOL12 , LONGSYMBOL" <<<"$list" || fail "the name is the whole symbol: $list"
[ "$("$cli" --db "$dir/a.BVD" bars ZENIT --calc "" | cut -d, -f1,2 | tail -1)" = "15.970000267028809,700150" ] ||
  fail "bars ZENIT: $("$cli" --db "$dir/a.BVD" bars ZENIT --calc "")"

# Forced layouts: a CSV file read as native lines stores nothing; a native
# file is refused as CSV and leaves the database as it was.
while IFS='|' read -r format file want_status want_out want_err; do
  rm -f "$dir/b.BVD"
  status=0
  "$cli" --db "$dir/b.BVD" import --format "$format" "$dir/$file" >"$dir/out" 2>"$dir/err" || status=$?
  want_err=${want_err//DIR/$dir}
  [ "$status" = "$want_status" ] || fail "--format $format $file: status $status"
  [ "$(cat "$dir/out")" = "$want_out" ] || fail "--format $format $file: $(cat "$dir/out")"
  [ "$(cat "$dir/err")" = "$want_err" ] || fail "--format $format $file said:"
done <<'TABLE'
native|QRTZ.csv|1|files 0 lines 0|->ERROR: NO READABLE QUOTE IN FILE DIR/QRTZ.csv (4 lines skipped: missing field 4)
csv|native_plain.txt|1|files 0 lines 0|->ERROR: UNRECOGNISED FILE LAYOUT DIR/native_plain.txt (no column header): QRTZ,Quartz Mills,04082025,15.66,15.71,15.50,15.53,853287
csv|QRTZ.csv|0|files 1 lines 3|QRTZ.csv, CSV (QRTZ): 3 lines stored, 1 header line skipped, 0 other lines skipped
auto|natv.txt|0|files 1 lines 2|natv.txt, native: 2 lines stored, 0 header lines skipped, 0 other lines skipped
TABLE
echo PASS
