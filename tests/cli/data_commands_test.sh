#!/usr/bin/env bash
# brevant-cli import, list, bars and splits on a small quote file: what each
# prints, and that bad usage and unreadable files fail with one line on stderr.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/BREVDATA.BVD"
fail() { echo "FAIL: $*"; exit 1; }

cat >"$dir/a.txt" <<'QUOTES'
<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>
ABC,ABC HOLDINGS,02032026,10.50,10.90,10.40,10.80,125000
ABC,ABC HOLDINGS,03032026,11.00,11.20,10.95,11.10,98000,*Dividend,0.25,,:,
ABC,ABC HOLDINGS,09032026,22.00,22.40,21.80,22.30,150000,,,*Split,2:1,
O'NEIL,O'Neil Stores,02032026,5,6,4,5.5,1000
zed,zeta corp,02032026,1,1,1,1,1
QUOTES
printf 'XY,Xylo Inc,10032026,1,2,0.5,1.5,7\r\n' >"$dir/b.txt"

out=$("$cli" --db "$db" import "$dir/a.txt" "$dir/b.txt" 2>"$dir/err")
[ "$out" = "files 2 lines 6" ] || fail "import printed: $out"
# What each file gave, on stderr; no progress line when stderr is no terminal.
expected="a.txt, native: 5 lines stored, 1 header line skipped, 0 other lines skipped
b.txt, native: 1 line stored, 0 header lines skipped, 0 other lines skipped"
[ "$(cat "$dir/err")" = "$expected" ] || fail "import said: $(cat "$dir/err")"

list=$("$cli" --db "$db" list)
[ "$list" = "$(printf 'ABC HOLDINGS , ABC\nO`Neil Stores , O'"'"'NEIL\nXylo Inc , XY\nzeta corp , zed')" ] ||
  fail "list printed: $list"

bars=$("$cli" --db "$db" bars ABC)
header=$(head -1 <<<"$bars")
[ "$(tr ',' '\n' <<<"$header" | wc -l)" = 41 ] || fail "header: $header"
[ "$(cut -d, -f1-3 <<<"$header")" = "Close,Volume,Open" ] || fail "header: $header"
[ "$(wc -l <<<"$bars")" = 4 ] || fail "bars: $bars"
[ "$(sed -n 2p <<<"$bars" | cut -d, -f1,2,20)" = "10.800000190734863,125000,46083" ] || fail "bars: $bars"
[ "$("$cli" --db "$db" bars "ABC HOLDINGS , ABC" --calc "" | wc -l)" = 4 ] || fail "list text"
[ "$("$cli" --db "$db" bars "O'NEIL" | wc -l)" = 2 ] || fail "apostrophe symbol"
weekly=$("$cli" --db "$db" bars ABC --period weekly)
[ "$(wc -l <<<"$weekly")" = 3 ] || fail "weekly: $weekly"
[ "$(sed -n 2p <<<"$weekly" | cut -d, -f2,20)" = "111500,46083" ] || fail "weekly: $weekly"
[ "$("$cli" --db "$db" bars ABC --period monthly | wc -l)" = 2 ] || fail "monthly"
[ "$("$cli" --db "$db" bars NOPE | wc -l)" = 1 ] || fail "unknown symbol"

# Calculations run in the given order on the loaded (and converted) bars.
for d in 02 03 04 05 06 09 10 11 12 13; do echo "LNG,Long Corp,${d}022026,1,3,0.5,${d#0},100"; done >"$dir/c.txt"
"$cli" --db "$db" import "$dir/c.txt" >/dev/null 2>&1
ma=$("$cli" --db "$db" bars LNG --calc Calcma --ma 2,3,4 | tail -1 | cut -d, -f1,6-8)
[ "$ma" = "13,12.5,12,11.5" ] || fail "Calcma: $ma"
all=$("$cli" --db "$db" bars LNG --calc all --period weekly)
[ "$(wc -l <<<"$all")" = 3 ] || fail "all: $all"
[ "$("$cli" --db "$db" bars LNG --calc CalOBV,Calcma,, --ma 2,3,4 | wc -l)" = 11 ] || fail "list"

splits=$("$cli" --db "$db" splits)
expected=$(printf 'EX Date\tSymbol\tStock Full Name\tAction\n09.03.2026\tABC\tABC HOLDINGS\tSplit ( 2:1 )\n03.03.2026\tABC\tABC HOLDINGS\tDividend ( 0.25 )')
[ "$splits" = "$expected" ] || fail "splits: $splits"

# Bad usage: non-zero, one line on stderr.
while IFS= read -r args; do
  eval "set -- $args"
  if "$cli" --db "$db" "$@" >/dev/null 2>"$dir/err"; then fail "accepted: $args"; fi
  [ "$(wc -l <"$dir/err")" = 1 ] || fail "stderr of $args: $(cat "$dir/err")"
done <<'BAD'
bars
bars ABC DEF
bars ABC --period yearly
bars ABC --period
bars ABC --ma 20,50
bars ABC --ma 20,50,x
bars ABC --bb 0,2
bars ABC --param RSI=0
bars ABC --param rsi=14
bars ABC --param RSI
bars ABC --calc NoSuchCalc
bars ABC --frobnicate 1
list extra
splits extra
import
import --frobnicate
BAD

# A missing file: the error on stderr after what was read, the counts of
# what is stored on stdout, the earlier file stored.
if "$cli" --db "$dir/c.BVD" import "$dir/b.txt" "$dir/missing.txt" >"$dir/out" 2>"$dir/err"; then
  fail "import of a missing file succeeded"
fi
[ "$(cat "$dir/out")" = "files 1 lines 1" ] || fail "counts: $(cat "$dir/out")"
[ "$(tail -1 "$dir/err")" = "->ERROR: CANNOT OPEN FILE $dir/missing.txt" ] || fail "error: $(cat "$dir/err")"
[ "$(head -1 "$dir/err" | cut -d, -f1,2)" = "b.txt, native: 1 line stored" ] || fail "summary: $(cat "$dir/err")"
[ "$("$cli" --db "$dir/c.BVD" list)" = "Xylo Inc , XY" ] || fail "earlier file not kept"

# Reading commands do not create a database.
if "$cli" --db "$dir/none.BVD" list 2>/dev/null; then fail "list without a database"; fi
[ ! -e "$dir/none.BVD" ] || fail "list created a database"
echo "cli data commands: ok"
