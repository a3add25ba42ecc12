#!/usr/bin/env bash
# brevant-cli refuses bad command lines before it touches the database: exit
# status 2 and exactly one line on stderr, nothing on stdout. The table gives
# each invocation (shell words) and its message.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/none.BVD"
failures=0

while IFS= read -r row; do
  [ -z "$row" ] && continue
  args="${row%% => *}"
  expected="brevant-cli: ${row#* => }"
  eval "set -- $args"
  rc=0
  "$cli" --db "$db" "$@" >"$dir/out" 2>"$dir/err" || rc=$?
  if [ "$rc" != 2 ] || [ -s "$dir/out" ] || [ "$(cat "$dir/err")" != "$expected" ]; then
    echo "FAIL: $args"
    echo "  expected: $expected"
    echo "  got (rc $rc): $(cat "$dir/err")"
    failures=$((failures + 1))
  fi
  [ ! -e "$db" ] || { echo "FAIL: $args created the database"; exit 1; }
done <<'TABLE'
init extra => init takes no arguments
init --x => init takes no arguments
list - => list takes no arguments
list --x 1 => list takes no arguments
splits extra => splits takes no arguments
import => import needs at least one FILE
import --frob value => import: unknown option --frob
import a.txt -x => import: -x needs a value
import a.txt -x b.txt => import: unknown option -x
import a.txt --format => import: --format needs a value
import --format CSV a.txt => import: --format must be auto, native or csv, not CSV
import --format txt a.txt => import: --format must be auto, native or csv, not txt
import --format csv => import needs at least one FILE
import -- a.txt => import: unknown option --
bars => bars needs TEXT (a list text or a symbol)
bars --period weekly => bars needs TEXT (a list text or a symbol)
bars ABC DEF => bars takes one TEXT, got another: DEF
bars ABC -x => bars takes one TEXT, got another: -x
bars ABC -- => bars takes one TEXT, got another: --
bars ABC --period => bars: --period needs a value
bars ABC --frob => bars: --frob needs a value
bars ABC --frob 1 => bars: unknown option --frob
bars --frob 1 ABC DEF => bars: unknown option --frob
bars ABC --period Weekly => bars: --period must be daily, weekly or monthly, not Weekly
bars ABC --period Daily => bars: --period must be daily, weekly or monthly, not Daily
bars ABC --calc CalRSI,NoSuch => bars: unknown calculation NoSuch
bars ABC --ma 20,50 => bars: --ma needs three periods P1,P2,P3 of at least 1, not 20,50
bars ABC --ma 5,,20 => bars: --ma needs three periods P1,P2,P3 of at least 1, not 5,,20
bars ABC --ma +5,10,20 => bars: --ma needs three periods P1,P2,P3 of at least 1, not +5,10,20
bars ABC --ma 5,10,99999999999 => bars: --ma needs three periods P1,P2,P3 of at least 1, not 5,10,99999999999
bars ABC --ma 5,10,20, => bars: --ma needs three periods P1,P2,P3 of at least 1, not 5,10,20,
bars ABC --bb 20 => bars: --bb needs N,K (N at least 1, K at least 0), not 20
bars ABC --bb 0,2 => bars: --bb needs N,K (N at least 1, K at least 0), not 0,2
bars ABC --bb 20,-1 => bars: --bb needs N,K (N at least 1, K at least 0), not 20,-1
bars ABC --param RSI=0 => bars: --param needs KEY=VALUE with a stored key and a period of at least 1, not RSI=0
bars ABC --param rsi=14 => bars: --param needs KEY=VALUE with a stored key and a period of at least 1, not rsi=14
bars ABC --param RSI => bars: --param needs KEY=VALUE with a stored key and a period of at least 1, not RSI
bars ABC --param "RSI= 7" => bars: --param needs KEY=VALUE with a stored key and a period of at least 1, not RSI= 7
bars ABC --param MA1=5 => bars: --param needs KEY=VALUE with a stored key and a period of at least 1, not MA1=5
scan => Please select at least one filter.
scan --out r.txt => Please select at least one filter.
scan --macd => scan: --macd needs a value
scan --macd 1 extra => scan: extra needs a value
scan ABC 1 => scan: unknown option ABC
scan - 1 => scan: unknown option -
scan --macd 0 => --macd N[,P]: N from 1 to 200, P daily, weekly or monthly
scan --macd 5,yearly => --macd N[,P]: N from 1 to 200, P daily, weekly or monthly
scan --macd 5,weekly,x => --macd N[,P]: N from 1 to 200, P daily, weekly or monthly
scan --macd 1 --macd 201 => --macd N[,P]: N from 1 to 200, P daily, weekly or monthly
scan --ma 1,20,1 => --ma P1,P2,N[,P]: P1 from 2 to 200, P2 from 3 to 200, N from 1 to 200
scan --ma 5,20 => --ma P1,P2,N[,P]: P1 from 2 to 200, P2 from 3 to 200, N from 1 to 200
scan --rsi Above,50,3 => --rsi above|below,L,N[,P]: L from 1 to 100, N from 1 to 200
scan --rsi above,101,1 => --rsi above|below,L,N[,P]: L from 1 to 100, N from 1 to 200
scan --volume 999 => --volume V[,P]: V from 1000 to 1000000000
scan --volume 1000,yearly => --volume V[,P]: V from 1000 to 1000000000
scan --volume 1000 --out => scan: --out needs a value
chart => chart needs TEXT (a list text or a symbol)
chart ABC => chart needs --png FILE
chart ABC --png "" => chart needs --png FILE
chart ABC --png => chart: --png needs a value
chart ABC DEF --png a.png => chart takes one TEXT, got another: DEF
chart ABC --png a.png --frob 1 => chart: unknown option --frob
chart ABC --png a.png --indicator Nonsense => chart: unknown indicator Nonsense
chart ABC --png a.png --indicator 16 => chart: unknown indicator 16
chart ABC --png a.png --style 3 => chart: unknown style 3
chart ABC --png a.png --window x => chart: unknown window x
chart ABC --png a.png --period yearly => chart: --period must be daily, weekly or monthly, not yearly
chart ABC --png a.png --ma 0,10,20 => chart: --ma needs three periods P1,P2,P3 of at least 1, not 0,10,20
chart ABC --png a.png --bb 0 => chart: --bb needs N,K (N at least 1, K at least 0), not 0
chart ABC --png a.png --bb 0,2 => chart: --bb period must be at least 1, not 0,2
chart ABC --png a.png --bb 20,2,1 => chart: --bb needs N,K (N at least 1, K at least 0), not 20,2,1
chart ABC --png a.png --size 49x100 => chart: --size needs WxH between 50 and 10000 pixels, not 49x100
chart ABC --png a.png --size 100x10001 => chart: --size needs WxH between 50 and 10000 pixels, not 100x10001
chart ABC --png a.png --size 100,100 => chart: --size needs WxH between 50 and 10000 pixels, not 100,100
chart ABC --png a.png --no-drawings x => chart takes one TEXT, got another: x
drawings ABC --add level 0 => drawings: --add level needs a PRICE above 0, not 0
drawings ABC --add trend 2026-01-02,1 => drawings: --add trend needs YYYY-MM-DD,PRICE,YYYY-MM-DD,PRICE with prices above 0, not 2026-01-02,1
drawings ABC --delete x => drawings: --delete takes one ID (a whole number from 1), not x
settings set RSI=101 => settings: RSI must be a whole number from 3 to 100, not 101: nothing stored
settings set FOO=3 => settings: unknown setting FOO: nothing stored
TABLE

# The tool's own options before the command's name, read by the same reader
# as the commands' options: the usage, then one message line; status 2.
while IFS= read -r row; do
  args="${row%% => *}"
  expected="brevant-cli: ${row#* => }"
  eval "set -- $args"
  rc=0
  "$cli" "$@" >"$dir/out" 2>"$dir/err" || rc=$?
  if [ "$rc" != 2 ] || [ -s "$dir/out" ] || [ "$(tail -n 1 "$dir/err")" != "$expected" ] ||
     ! head -n 1 "$dir/err" | grep -q '^usage: brevant-cli '; then
    echo "FAIL: $args"
    echo "  expected: $expected"
    echo "  got (rc $rc): $(tail -n 1 "$dir/err")"
    failures=$((failures + 1))
  fi
done <<'GLOBAL'
--db => --db needs a value
--user => --user needs a value
--password-file => --password-file needs a value
--db "$db" --user => --user needs a value
--frob list => unknown option --frob
--frob => unknown option --frob
- list => unknown option -
--db=x list => unknown option --db=x
GLOBAL

# --help (or -h) answers at once, whatever follows it: the usage, status 0.
for args in "--help" "-h" "--help --frob" "--db x --help list"; do
  eval "set -- $args"
  rc=0
  "$cli" "$@" >"$dir/out" 2>"$dir/err" || rc=$?
  if [ "$rc" != 0 ] || [ -s "$dir/out" ] || ! head -n 1 "$dir/err" | grep -q '^usage: brevant-cli '; then
    echo "FAIL: $args (rc $rc)"
    failures=$((failures + 1))
  fi
done
[ ! -e "$db" ] || { echo "FAIL: an option line created the database"; exit 1; }
[ "$failures" = 0 ] || exit 1
echo "cli usage: ok"
