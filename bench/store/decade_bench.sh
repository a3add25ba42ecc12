#!/usr/bin/env bash
# The `decade` case: ten years of the whole market (5,000 stocks × 2,520
# weekdays, 12.6 M rows, about 2.2 GB) and what a user waits for on it,
# against the engine's limits and the specified queries, paired (A B A B ...)
# with the untimed preparation (a copied database) before every run.
#
# usage: bench/store/decade_bench.sh STEP RUNS BUILD BEFORE_BUILD SHARED DATA SCRATCH
#   STEP: make    writes the quote files (gen_quotes.py --stocks 5000 --days 2520) into
#                 DATA/decade once, and imports the history (every day but the last)
#                 into SCRATCH/decade.BVD with BUILD's brevant-cli, timed against
#                 fb_insert_baseline --index-after --buffers 50000 on the same file
#         list    brevant-cli list against fb_scan_baseline distinct (the specified
#                 query alone), and against BEFORE_BUILD's brevant-cli list
#         scan    the first scan of a session, all four filters (brevant-cli scan)
#                 against fb_scan_baseline symbols, and against BEFORE_BUILD's
#         start   the window's start to its first chart and its first scan
#                 (bench/app/scan_window_bench) against BEFORE_BUILD's
#         daily   the last day (5,000 lines) into a copy of the decade against
#                 BEFORE_BUILD's brevant-cli on a copy of the database it made
#         new175k 175,000 lines (gen_quotes.py --stocks 500 --days 350) into a new
#                 database against BEFORE_BUILD's brevant-cli
#         size    what the stock tables take in the database file
#   BUILD, BEFORE_BUILD: builds of this repository (after and before a change);
#   SHARED: the engine-limit tools' sources (gen_quotes.py); DATA: holds
#   fb_insert_baseline and fb_scan_baseline (built); SCRATCH: the databases
#   (about 7 GB: the decade twice and a copy).
#   `list`, `scan`, `start` and `daily` need `make` run before for both builds:
#   BEFORE_BUILD's database is SCRATCH/before.BVD (made with
#   `STEP=make BUILD=BEFORE_BUILD SCRATCH=...` and renamed, or any copy of the
#   decade that build imported).
set -euo pipefail
step=$1 runs=$2 build=$3 before=$4 shared=$5 data=$6 scratch=$7
mkdir -p "$scratch" "$data/decade"
export QT_QPA_PLATFORM=offscreen
history="$data/decade/history.txt" daily="$data/decade/daily.txt"

if [ ! -f "$history" ]; then
  python3 "$shared/gen_quotes.py" --stocks 5000 --days 2520 --out "$data/decade" >/dev/null
  all=$(ls "$data"/decade/eod_*.txt)
  grep ',04122026,' "$all" >"$daily"
  grep -v ',04122026,' "$all" >"$history"
fi

# timed LABEL COMMAND...: "LABEL wall peak_kb cpu" appended to $scratch/times.
timed() {
  local label=$1; shift
  /usr/bin/time -f "%e %M %U %S" -o "$scratch/time.out" "$@" >"$scratch/stdout.out" 2>"$scratch/stderr.out" ||
    { echo "$label failed:"; cat "$scratch/stderr.out"; exit 1; }
  read -r wall peak user sys <"$scratch/time.out"
  echo "$label $wall $peak $(echo "$user + $sys" | bc -l)" | tee -a "$scratch/times"
}
median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
column() { awk -v l="$1" -v c="$2" '$1==l {print $c}' "$scratch/times"; }
# report A B: medians of both, and of the pair ratios A/B (wall and cpu).
report() {
  local a=$1 b=$2
  printf '%s %.2f s | %s %.2f s | A/B wall %.3f cpu %.3f\n' \
    "$a" "$(column "$a" 2 | median)" "$b" "$(column "$b" 2 | median)" \
    "$(paste <(column "$a" 2) <(column "$b" 2) | awk '{print $1/$2}' | median)" \
    "$(paste <(column "$a" 4) <(column "$b" 4) | awk '{print $1/$2}' | median)"
}
fresh_copy() { cp "$1" "$2" && sync; }

: >"$scratch/times"
new="$scratch/decade.BVD" old="$scratch/before.BVD"
all_four="--macd 3 --ma 10,50,3 --rsi above,30,14 --volume 1000"
case "$step" in
make)
  rm -f "$new"
  timed import timeout 7200 "$build/cli/brevant-cli" --db "$new" import "$history"
  timed fb_insert_baseline timeout 7200 "$data/fb_insert_baseline" --index-after \
    --buffers 50000 --replace "$scratch/limit.BVD" "$history"
  rm -f "$scratch/limit.BVD"
  report import fb_insert_baseline
  ;;
list)
  for ((i = 0; i < runs; i++)); do
    timed list "$build/cli/brevant-cli" --db "$new" list
    timed distinct "$data/fb_scan_baseline" "$new" distinct
    timed list_before "$before/cli/brevant-cli" --db "$old" list
  done
  cmp <("$build/cli/brevant-cli" --db "$new" list) <("$before/cli/brevant-cli" --db "$old" list)
  report list distinct
  report list list_before
  ;;
scan)
  for ((i = 0; i < runs; i++)); do
    timed scan "$build/cli/brevant-cli" --db "$new" scan $all_four
    timed symbols "$data/fb_scan_baseline" "$new" symbols
    timed scan_before "$before/cli/brevant-cli" --db "$old" scan $all_four
  done
  report scan symbols
  report scan scan_before
  ;;
start)
  for ((i = 0; i < runs; i++)); do
    timed start "$build/bench/app/scan_window_bench" --repeat 1 "$new"
    grep _seconds "$scratch/stdout.out"
    timed start_before "$before/bench/app/scan_window_bench" --repeat 1 "$old"
    grep _seconds "$scratch/stdout.out"
  done
  report start start_before
  ;;
daily)
  for ((i = 0; i < runs; i++)); do
    fresh_copy "$new" "$scratch/a.BVD"
    timed daily "$build/cli/brevant-cli" --db "$scratch/a.BVD" import "$daily"
    fresh_copy "$old" "$scratch/a.BVD"
    timed daily_before "$before/cli/brevant-cli" --db "$scratch/a.BVD" import "$daily"
  done
  rm -f "$scratch/a.BVD"
  report daily daily_before
  ;;
new175k)
  lines="$data/s500/eod_20250804_20261204.txt"
  [ -f "$lines" ] || python3 "$shared/gen_quotes.py" --stocks 500 --days 350 --out "$data/s500" >/dev/null
  for ((i = 0; i < runs; i++)); do
    rm -f "$scratch/a.BVD"
    timed new175k "$build/cli/brevant-cli" --db "$scratch/a.BVD" import "$lines"
    rm -f "$scratch/a.BVD"
    timed new175k_before "$before/cli/brevant-cli" --db "$scratch/a.BVD" import "$lines"
  done
  rm -f "$scratch/a.BVD"
  report new175k new175k_before
  ;;
size)
  # Data pages of each table of our own and of the quote table (4 KB each).
  for table in STOCKS STOCKBARS STOCKSTATE DATATABLE; do
    fbstat -d -t "$table" "$new" | awk -v t="$table" '/Data pages:/ {print t, $0}'
  done
  echo "file $(stat -c %s "$new") bytes, before's $(stat -c %s "$old") bytes"
  ;;
*)
  echo "unknown step $step" >&2
  exit 2
  ;;
esac
