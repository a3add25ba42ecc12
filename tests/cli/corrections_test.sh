#!/usr/bin/env bash
# Corrections: import --replace puts a corrected day in place of the stored
# one; delete removes a stock, or a range of its days; names and symbols with
# commas chart and delete like any other. Files: what is not a quote file is
# refused before anything is read, and output files never replace the
# database or leave half a file.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/BREVDATA.BVD"
fail() { echo "FAIL: $*"; exit 1; }
closes() { "$cli" --db "$db" bars "$1" --calc "" | tail -n +2 | cut -d, -f1 | tr '\n' ' '; }

cat >"$dir/a.txt" <<'QUOTES'
ABC,ABC HOLDINGS,02032026,10,11,9,10.5,100
ABC,ABC HOLDINGS,03032026,10,11,9,11.5,100,*Dividend,0.25,,:,
ABC,ABC HOLDINGS,04032026,10,11,9,12.5,100
BRK,B,"Widgets, Inc.",02032026,1,2,0.5,1.5,7
QUOTES
# The symbol "BRK,B" in the program's own layout cannot be written: a CSV
# file carries it, and the name with its comma.
printf 'Ticker,Name,Date,Open,High,Low,Close,Volume\n"BRK,B","Widgets, Inc.",2026-03-02,1,2,0.5,1.5,7\n' >"$dir/brk.csv"
sed -i '/^BRK/d' "$dir/a.txt"
"$cli" --db "$db" import "$dir/a.txt" "$dir/brk.csv" >/dev/null 2>&1 || fail "first import"
[ "$(closes ABC)" = "10.5 11.5 12.5 " ] || fail "stored: $(closes ABC)"

# A name and a symbol with commas: listed, charted and found by their list text.
list=$("$cli" --db "$db" list)
grep -qx 'Widgets, Inc. , BRK,B' <<<"$list" || fail "list: $list"
[ "$(closes 'Widgets, Inc. , BRK,B')" = "1.5 " ] || fail "list text with commas: $(closes 'Widgets, Inc. , BRK,B')"
[ "$(closes 'BRK,B')" = "1.5 " ] || fail "bare symbol with a comma"

# Without --replace a corrected day is stored beside the old one, as always;
# with it, the file's row takes the day's place, in the file's transaction.
printf 'ABC,ABC HOLDINGS,03032026,10,11,9,11.25,100\n' >"$dir/fix.txt"
out=$("$cli" --db "$db" import --replace "$dir/fix.txt" 2>"$dir/err") || fail "replace: $(cat "$dir/err")"
[ "$out" = "files 1 lines 1" ] || fail "replace printed: $out"
[ "$(cat "$dir/err")" = "fix.txt, native: 1 line stored, 1 stored row replaced, 0 header lines skipped, 0 other lines skipped" ] ||
  fail "replace said: $(cat "$dir/err")"
[ "$(closes ABC)" = "10.5 11.25 12.5 " ] || fail "after replace: $(closes ABC)"
# Twice the same day in one file: its last row wins.
printf 'ABC,ABC HOLDINGS,04032026,10,11,9,1,100\nABC,ABC HOLDINGS,04032026,10,11,9,13,100\n' >"$dir/twice.txt"
"$cli" --db "$db" import "$dir/twice.txt" --replace >/dev/null 2>&1 || fail "replace twice"
[ "$(closes ABC)" = "10.5 11.25 13 " ] || fail "last row of a day: $(closes ABC)"

# delete: a range of days, then the whole stock with its dividend.
"$cli" --db "$db" delete ABC --from 2026-03-04 --to 2026-03-31 >"$dir/out" 2>"$dir/err" ||
  fail "delete range: $(cat "$dir/err")"
[ "$(cat "$dir/out")" = "quotes 1 actions 0" ] || fail "delete range printed: $(cat "$dir/out")"
[ "$(closes ABC)" = "10.5 11.25 " ] || fail "after range: $(closes ABC)"
"$cli" --db "$db" delete "ABC HOLDINGS , ABC" >"$dir/out" || fail "delete"
[ "$(cat "$dir/out")" = "quotes 2 actions 1" ] || fail "delete printed: $(cat "$dir/out")"
[ "$("$cli" --db "$db" list)" = "Widgets, Inc. , BRK,B" ] || fail "list after delete"
! "$cli" --db "$db" splits | grep -q ABC || fail "the dividend stayed"
"$cli" --db "$db" delete "BRK,B" >/dev/null || fail "delete a symbol with a comma"
status=0
"$cli" --db "$db" delete ABC 2>"$dir/err" || status=$?
[ "$status" = 1 ] || fail "nothing to delete: status $status"
[ "$(cat "$dir/err")" = "brevant-cli: nothing to delete: no quotes, dividends or splits of ABC" ] ||
  fail "nothing to delete said: $(cat "$dir/err")"
while IFS='|' read -r args said; do
  eval "set -- $args"
  status=0
  "$cli" --db "$db" "$@" >/dev/null 2>"$dir/err" || status=$?
  [ "$status" = 2 ] || fail "$args: status $status"
  [ "$(cat "$dir/err")" = "brevant-cli: $said" ] || fail "$args said: $(cat "$dir/err")"
done <<'BAD'
delete ABC --from 2026-02-30|delete: --from needs a day as YYYY-MM-DD, not 2026-02-30
delete ABC --to 04.03.2026|delete: --to needs a day as YYYY-MM-DD, not 04.03.2026
delete ABC --from 2026-03-05 --to 2026-03-04|delete: --from 2026-03-05 is after --to 2026-03-04
BAD

# Not quote files: refused before a byte is read, whatever --format says.
"$cli" --db "$db" import "$dir/a.txt" >/dev/null 2>&1
mkfifo "$dir/pipe"
printf 'A\0B\0C\0,\0' >"$dir/utf16.txt"
for format in auto native csv; do
  for file in "$dir/pipe" /dev/zero "$dir/utf16.txt"; do
    status=0
    timeout 60 "$cli" --db "$db" import --format "$format" "$file" >"$dir/out" 2>"$dir/err" || status=$?
    [ "$status" = 1 ] || fail "$format $file: status $status"
    [ "$(cat "$dir/out")" = "files 0 lines 0" ] || fail "$format $file printed: $(cat "$dir/out")"
    case "$file" in
      *pipe) want="->ERROR: NOT A REGULAR FILE $file (a named pipe): nothing is read from it" ;;
      /dev/zero) want="->ERROR: NOT A REGULAR FILE $file (a device): nothing is read from it" ;;
      *) want="->ERROR: UNRECOGNISED FILE LAYOUT $file (NUL bytes: binary data or UTF-16 text): " ;;
    esac
    [[ "$(cat "$dir/err")" == "$want"* ]] || fail "$format $file said: $(cat "$dir/err")"
  done
done
[ "$(closes ABC)" = "10.5 11.5 12.5 " ] || fail "refused files changed the store"

# Output files: never the database, under any name; written whole.
cp "$db" "$dir/before.BVD"
ln -s "$db" "$dir/link.BVD"
for args in "scan --macd 9 --out $dir/link.BVD" "scan --volume 1000 --out $db" \
  "chart ABC --png $dir/link.BVD"; do
  status=0
  # shellcheck disable=SC2086
  "$cli" --db "$db" $args >/dev/null 2>"$dir/err" || status=$?
  [ "$status" = 2 ] || fail "$args: status $status"
  grep -q "is the database itself; name another file" "$dir/err" || fail "$args said: $(cat "$dir/err")"
done
cmp -s "$db" "$dir/before.BVD" || fail "the database changed"
echo old >"$dir/result.txt"
chmod 0640 "$dir/result.txt"
"$cli" --db "$db" scan --volume 1000 --out "$dir/result.txt" >/dev/null 2>&1 || fail "scan --out"
head -1 "$dir/result.txt" | grep -q "STOCK SCAN RESULT:" || fail "result: $(cat "$dir/result.txt")"
[ "$(stat -c %a "$dir/result.txt")" = 640 ] || fail "result mode $(stat -c %a "$dir/result.txt")"
[ -z "$(find "$dir" -name '.result.txt.*')" ] || fail "a temporary file was left"
# A folder that cannot be written: the old file stays as it was.
mkdir "$dir/ro" && echo old >"$dir/ro/result.txt" && chmod 0555 "$dir/ro"
if [ "$(id -u)" != 0 ]; then
  status=0
  "$cli" --db "$db" scan --volume 1000 --out "$dir/ro/result.txt" >/dev/null 2>&1 || status=$?
  [ "$status" = 1 ] || fail "unwritable folder: status $status"
  [ "$(cat "$dir/ro/result.txt")" = old ] || fail "the old result was harmed"
fi
chmod 0755 "$dir/ro"

# A local path with a colon would go to the network: refused with words.
status=0
"$cli" --db "$dir/odd:name.BVD" init >/dev/null 2>"$dir/err" || status=$?
[ "$status" = 1 ] || fail "colon path: status $status"
grep -q "holds a colon" "$dir/err" || fail "colon path said: $(cat "$dir/err")"
[ ! -e "$dir/odd:name.BVD" ] || fail "a file was made at a colon path"
echo PASS
