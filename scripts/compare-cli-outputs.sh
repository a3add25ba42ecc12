#!/usr/bin/env bash
# Runs the same broad set of brevant-cli invocations with two builds of it,
# each on fresh databases of its own, and compares what each invocation gave:
# standard output, standard error, exit status, and the files it wrote (result
# lists, chart PNGs). For changes that must keep every command-line output
# byte for byte.
#
# usage: scripts/compare-cli-outputs.sh BEFORE_CLI AFTER_CLI [HOLD_OPEN]
#   HOLD_OPEN: the tests' hold_open helper (tests/store/hold_open in a build
#   tree), which holds a database through the embedded engine; without it the
#   invocations on a database in use elsewhere are left out.
# Prints one line per invocation that differs and a count at the end; exits 1
# when any differs.
set -euo pipefail
before="$(realpath "$1")"
after="$(realpath "$2")"
holder="${3:+$(realpath "$3")}"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
unset ISC_USER ISC_PASSWORD

# The input files every run starts from, identical for both builds.
make_inputs() {
  local d="$1"
  mkdir -p "$d/fx"
  cp "$root/samples/sample-quotes.txt" "$d/s.txt"
  cp "$root"/tests/quotes/csv_fixtures/* "$d/fx/"
  # Actions, bad dates and numbers, headers, blank and short lines, an
  # apostrophe, a long symbol and name, duplicate days.
  cat >"$d/actions.txt" <<'EOF'
<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>
ACT,Action Co,02012025,10,11,9,10.5,1000,*Dividend,0.25,*Split,2:1,
ACT,Action Co,03012025,10.5,11,10,10.75,1200
ACT,Action Co,06012025,10.75,12,10.5,11.5,1300,*Dividend,0.1,,,
ACT,Action Co,99992025,11,12,10,11,1400
ACT,Action Co,07012025,x,12,10,11,1,5
ACT,Action Co,07012025,11,12,10,11.25,1500
O'BRIEN,O'Brien's Bakery and Sons Holdings Incorporated Limited Company,02012025,5,6,4,5.5,10
TOOLONGSYMBOLNAME,Long,02012025,1,2,0.5,1.5,100

short,line
,empty symbol,02012025,1,1,1,1,1
EOF
  printf 'BIG,Big Volume,02012025,1,2,0.5,1.5,123456789\r\nBIG,Big Volume,03012025,1e5,2,0.5,1.5,1\r\n\x1aignored\n' >"$d/crlf.txt"
  printf '\xff\xfeD\x00a\x00t\x00e\x00\n\x00' >"$d/utf16.csv"
  : >"$d/empty.txt"
  head -c 3000 /dev/zero | tr '\0' 'x' >"$d/noise.txt"
  printf 'Date,Foo,Bar\n2025-01-02,1,2\n' >"$d/unknown.csv"
  cat >"$d/screens.txt" <<'EOF'
# nightly screens
--volume 100000

  --volume 1000,weekly --ma 2,3,1   # a comment
--macd 1
--rsi above,50,3 --macd 5,weekly
EOF
  printf -- '--volume 1000\n--bogus 3\n' >"$d/bad_screens.txt"
  printf 'not a database' >"$d/junk.bvd"
  mkdir -p "$d/folder.bvd"
}

# The invocations, one a line, run in order in the run's folder; "$CLI" is
# the build under test. Later lines see the databases earlier lines made.
INVOCATIONS=$(cat <<'EOF'
"$CLI"
"$CLI" --help
"$CLI" -h
"$CLI" bogus
"$CLI" --bogus list
"$CLI" --db
"$CLI" --db B.BVD
"$CLI" --db B.BVD frobnicate
"$CLI" --db B.BVD list
"$CLI" --db B.BVD splits
"$CLI" --db B.BVD bars ZANV
"$CLI" --db B.BVD scan --volume 1000
"$CLI" --db B.BVD chart ZANV --png none.png
"$CLI" --db nowhere/deeper/B.BVD list
"$CLI" --db nowhere/deeper/B.BVD init
"$CLI" --db junk.bvd list
"$CLI" --db junk.bvd init
"$CLI" --db folder.bvd list
"$CLI" --db folder.bvd import s.txt
"$CLI" --db localhost/1:/nowhere/X.BVD list
"$CLI" --db localhost/1:/nowhere/X.BVD --password-file missing list
"$CLI" --db B.BVD init extra
"$CLI" --db B.BVD init
"$CLI" --db B.BVD init
"$CLI" --db B.BVD list
"$CLI" --db B.BVD splits
"$CLI" --db B.BVD bars ZANV
"$CLI" --db B.BVD scan --volume 1000
"$CLI" --db B.BVD scan --screens screens.txt
"$CLI" --db B.BVD import
"$CLI" --db B.BVD import --format
"$CLI" --db B.BVD import --format xml s.txt
"$CLI" --db B.BVD import --bogus s.txt
"$CLI" --db B.BVD import missing.txt
"$CLI" --db B.BVD import s.txt
"$CLI" --db B.BVD import actions.txt crlf.txt empty.txt noise.txt
"$CLI" --db B.BVD import utf16.csv unknown.csv
"$CLI" --db B.BVD import fx/QRTZ.csv fx/TABS.txt fx/VLTA.csv fx/bad_rows.csv fx/close_only.csv
"$CLI" --db B.BVD import fx/lower_semicolon.csv fx/many_brackets.txt fx/many_plain.csv fx/quoted.csv
"$CLI" --db B.BVD import fx/native_header.txt fx/native_plain.txt fx/zenit.us.txt
"$CLI" --db B.BVD import --format native fx/QRTZ.csv
"$CLI" --db B.BVD import --format csv fx/native_plain.txt s.txt
"$CLI" --db B.BVD import --format csv fx/many_plain.csv
"$CLI" --db B.BVD import --format auto s.txt missing.txt s.txt
"$CLI" --db B.BVD list
"$CLI" --db B.BVD splits
"$CLI" --db B.BVD bars ZANV
"$CLI" --db B.BVD bars "Acme Anvil Works , ZANV" --calc all
"$CLI" --db B.BVD bars ZBLG --period weekly --calc all
"$CLI" --db B.BVD bars ZBLG --period monthly --calc CalMACD,CalRSI,CalBB
"$CLI" --db B.BVD bars ZCKF --calc Calcma --ma 3,7,11
"$CLI" --db B.BVD bars ZCKF --calc CalBB --bb 10,2
"$CLI" --db B.BVD bars ZDRL --calc CalRSI,CalStoc,CalSStoc --param RSI=9 --param FSTOC1=5
"$CLI" --db B.BVD bars ZDRL --calc CalADX,CalCMF,CalOBV,CalATR,CalWR,CalROC,CalCCI,CalMFI
"$CLI" --db B.BVD bars ACT --calc all
"$CLI" --db B.BVD bars BIG
"$CLI" --db B.BVD bars "O'BRIEN"
"$CLI" --db B.BVD bars TOOLONGSYM
"$CLI" --db B.BVD bars NOSUCH
"$CLI" --db B.BVD bars
"$CLI" --db B.BVD bars ZANV --period yearly
"$CLI" --db B.BVD bars ZANV --calc nothing
"$CLI" --db B.BVD bars ZANV --ma 1,2
"$CLI" --db B.BVD bars ZANV --bb x,2
"$CLI" --db B.BVD bars ZANV --param NOPE=3
"$CLI" --db B.BVD bars ZANV --param RSI=abc
"$CLI" --db B.BVD scan
"$CLI" --db B.BVD scan --macd 1
"$CLI" --db B.BVD scan --macd 5,weekly
"$CLI" --db B.BVD scan --macd 3,monthly
"$CLI" --db B.BVD scan --ma 5,20,3
"$CLI" --db B.BVD scan --ma 5,20,3,weekly
"$CLI" --db B.BVD scan --ma 2,3,1,monthly
"$CLI" --db B.BVD scan --rsi above,50,3
"$CLI" --db B.BVD scan --rsi below,40,2,weekly
"$CLI" --db B.BVD scan --volume 100000
"$CLI" --db B.BVD scan --volume 1000,monthly
"$CLI" --db B.BVD scan --macd 2 --ma 5,20,3 --rsi above,30,5 --volume 1000
"$CLI" --db B.BVD scan --volume 1000 --out result.txt
"$CLI" --db B.BVD scan --volume 1000 --out nowhere/result.txt
"$CLI" --db B.BVD scan --screens screens.txt
"$CLI" --db B.BVD scan --screens bad_screens.txt
"$CLI" --db B.BVD scan --screens missing.txt
"$CLI" --db B.BVD scan --screens screens.txt --volume 1000
"$CLI" --db B.BVD scan --screens screens.txt --out x.txt
"$CLI" --db B.BVD scan --macd 0
"$CLI" --db B.BVD scan --ma 1,20,1
"$CLI" --db B.BVD scan --rsi sideways,30,1
"$CLI" --db B.BVD scan --volume 999
"$CLI" --db B.BVD scan --volume 1000,yearly
"$CLI" --db B.BVD scan --frobnicate 1
"$CLI" --db B.BVD chart ZANV --png c1.png
"$CLI" --db B.BVD chart ZANV --png c2.png --indicator 3 --style 0 --window "1 Year"
"$CLI" --db B.BVD chart ZBLG --png c3.png --indicator 7 --style 2 --window "View All" --period weekly
"$CLI" --db B.BVD chart ZCKF --png c4.png --indicator 12 --style 1 --window "1 Month" --period monthly --ma 3,5,8 --bb 10,2
"$CLI" --db B.BVD chart ZDRL --png c5.png --indicator 15 --size 640x480
"$CLI" --db B.BVD chart ACT --png c6.png --window "6 Months"
"$CLI" --db B.BVD chart NOSUCH --png c7.png
"$CLI" --db B.BVD chart ZANV
"$CLI" --db B.BVD chart ZANV --png c8.png --indicator 99
"$CLI" --db B.BVD chart ZANV --png c8.png --style nope
"$CLI" --db B.BVD chart ZANV --png c8.png --window forever
"$CLI" --db B.BVD chart ZANV --png c8.png --size 10
"$CLI" --db B.BVD chart ZANV --png nowhere/c9.png
"$CLI" --db C.BVD import s.txt
"$CLI" --db C.BVD scan --volume 100000 --out c-result.txt
"$CLI" --db C.BVD chart ZHOP --png c10.png --indicator 1
EOF
)

# The invocations on a database another process holds through the embedded
# engine: every command must refuse in its own words.
HELD_INVOCATIONS=$(cat <<'EOF'
"$CLI" --db B.BVD list
"$CLI" --db B.BVD init
"$CLI" --db B.BVD import s.txt
"$CLI" --db B.BVD splits
"$CLI" --db B.BVD bars ZANV
"$CLI" --db B.BVD scan --volume 1000
"$CLI" --db B.BVD chart ZANV --png held.png
EOF
)

# Runs the invocations with build $1 in folder $2, writing each one's output
# into $2/out/N.{out,err,status}.
run_all() {
  local CLI="$1" d="$2" n=0 line
  mkdir -p "$d/out"
  while IFS= read -r line; do
    n=$((n + 1))
    (cd "$d" && eval "timeout 300 $line" >"out/$n.out" 2>"out/$n.err" </dev/null; echo $? >"out/$n.status") || true
  done <<<"$INVOCATIONS"
  if [ -n "$holder" ]; then
    rm -f "$d/ready" "$d/release"
    "$holder" "$d/B.BVD" "$d/ready" "$d/release" &
    local pid=$!
    for _ in $(seq 500); do [ -e "$d/ready" ] && break; sleep 0.02; done
    while IFS= read -r line; do
      n=$((n + 1))
      (cd "$d" && eval "timeout 300 $line" >"out/$n.out" 2>"out/$n.err" </dev/null; echo $? >"out/$n.status") || true
    done <<<"$HELD_INVOCATIONS"
    touch "$d/release"
    wait "$pid" || true
  fi
  echo "$n"
}

# Both builds run in the same folder, one after the other: the engine's
# messages name files by their absolute paths.
make_inputs "$work/run"
count=$(run_all "$before" "$work/run")
mv "$work/run" "$work/before"
make_inputs "$work/run"
run_all "$after" "$work/run" >/dev/null
mv "$work/run" "$work/after"

all_lines="$INVOCATIONS"
[ -n "$holder" ] && all_lines="$INVOCATIONS"$'\n'"$HELD_INVOCATIONS"
differ=0
n=0
while IFS= read -r line; do
  n=$((n + 1))
  for part in out err status; do
    if ! cmp -s "$work/before/out/$n.$part" "$work/after/out/$n.$part"; then
      echo "DIFFERS ($part) #$n: $line"
      diff <(head -c 2000 "$work/before/out/$n.$part") <(head -c 2000 "$work/after/out/$n.$part") | head -10 || true
      differ=$((differ + 1))
    fi
  done
done <<<"$all_lines"
# Every file an invocation wrote (PNGs, result lists), byte for byte.
files=0
while IFS= read -r f; do
  files=$((files + 1))
  if ! cmp -s "$work/before/$f" "$work/after/$f"; then
    echo "DIFFERS (file) $f"
    differ=$((differ + 1))
  fi
done < <(cd "$work/before" && find . -maxdepth 1 -type f \( -name '*.png' -o -name '*result*.txt' \) | sort)
[ "$(cd "$work/before" && find . -maxdepth 1 -type f -name '*.png' | sort)" = \
  "$(cd "$work/after" && find . -maxdepth 1 -type f -name '*.png' | sort)" ] ||
  { echo "DIFFERS: not the same chart files written"; differ=$((differ + 1)); }
echo "$count invocations and $files written files compared, $differ differences"
[ "$differ" = 0 ]
