#!/usr/bin/env bash
# Whole-process figures of the quote import against its baselines, each pair
# run alternately (A B A B ...) with the untimed preparation (a new or copied
# database) before every run; medians of wall seconds and of the per-pair
# ratios A/B, and the peak memory of A.
#
# usage: bench/store/import_bench.sh CASE RUNS BUILD_DIR SHARED_BENCH_DIR DATA_DIR SCRATCH_DIR
#   CASE: new175k   brevant-cli import of the 175,000-line file into a new database
#                   vs fb_insert_baseline (same 50,000-page cache) and vs the sqlite3 shell
#         new1750k  the same with the 1,750,000-line file, vs the sqlite3 shell
#         daily     a 5,000-line day into the 1,750,000-row database brevant-cli made,
#                   vs fb_insert_baseline --append on a copy of the same database
#         window    the update window (offscreen) vs brevant-cli, 175,000 lines, new databases
#         csv175k   the 175,000 rows as 500 one-symbol CSV files (SYM.csv, Date,Open,High,Low,
#                   Close,Adj Close,Volume) into a new database vs the same rows in the
#                   import's own layout, as 500 files (one per symbol) and as one file;
#                   the files are written once into SCRATCH_DIR by make_csv_quotes.py
#   BUILD_DIR: a build of this repository; SHARED_BENCH_DIR: the engine-limit tools'
#   sources (fb_insert_baseline.c, sqlite_import.sh); DATA_DIR: holds
#   fb_insert_baseline (built) and s500/, s5000/ from gen_quotes.py --days 350;
#   SCRATCH_DIR: databases and copies (several GB for the large cases).
set -euo pipefail
case_name=$1 runs=$2 build=$3 shared=$4 data=$5 scratch=$6
cli="$build/cli/brevant-cli"
window="$build/bench/store/update_window_bench"
baseline="$data/fb_insert_baseline"
s500="$data/s500/eod_20250804_20261204.txt"
s5000="$data/s5000/eod_20250804_20261204.txt"
mkdir -p "$scratch"
export QT_QPA_PLATFORM=offscreen

# timed LABEL COMMAND...: runs the command under /usr/bin/time; appends
# "LABEL wall peak_kb cpu" to $scratch/times.
timed() {
  local label=$1; shift
  /usr/bin/time -f "%e %M %U %S" -o "$scratch/time.out" "$@" >/dev/null 2>"$scratch/stderr.out" ||
    { echo "$label failed:"; cat "$scratch/stderr.out"; exit 1; }
  read -r wall peak user sys <"$scratch/time.out"
  echo "$label $wall $peak $(echo "$user + $sys" | bc -l)" | tee -a "$scratch/times"
}

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# report A B: medians of both and of the pair ratios A/B.
report() {
  local a=$1 b=$2
  paste <(awk -v l="$a" '$1==l {print $2}' "$scratch/times") \
        <(awk -v l="$b" '$1==l {print $2}' "$scratch/times") |
    awk '{print $1/$2}' | median >"$scratch/ratio"
  paste <(awk -v l="$a" '$1==l {print $4}' "$scratch/times") \
        <(awk -v l="$b" '$1==l {print $4}' "$scratch/times") |
    awk '{print $1/$2}' | median >"$scratch/cpu_ratio"
  printf '%s median %.2f s (peak %d MB) | %s median %.2f s | %s/%s median of pairs %.2f (cpu %.2f)\n' \
    "$a" "$(awk -v l="$a" '$1==l {print $2}' "$scratch/times" | median)" \
    "$(($(awk -v l="$a" '$1==l {print $3}' "$scratch/times" | median | cut -d. -f1) / 1024))" \
    "$b" "$(awk -v l="$b" '$1==l {print $2}' "$scratch/times" | median)" "$a" "$b" "$(cat "$scratch/ratio")" \
    "$(cat "$scratch/cpu_ratio")"
}

new_db() { rm -f "$scratch/$1"; }
: >"$scratch/times"
case "$case_name" in
new175k)
  for ((i = 0; i < runs; i++)); do
    new_db a.BVD
    timed import timeout 900 "$cli" --db "$scratch/a.BVD" import "$s500"
    timed fb_insert_baseline timeout 900 "$baseline" --buffers 50000 --replace "$scratch/b.BVD" "$s500"
    new_db a.BVD
    timed import2 timeout 900 "$cli" --db "$scratch/a.BVD" import "$s500"
    timed sqlite timeout 900 "$shared/sqlite_import.sh" "$scratch/c.db" "$s500"
  done
  report import fb_insert_baseline
  report import2 sqlite
  ;;
new1750k)
  for ((i = 0; i < runs; i++)); do
    new_db a.BVD
    timed import timeout 3000 "$cli" --db "$scratch/a.BVD" import "$s5000"
    timed sqlite timeout 3000 "$shared/sqlite_import.sh" "$scratch/c.db" "$s5000"
  done
  report import sqlite
  ;;
daily)
  grep ',04122026,' "$s5000" >"$scratch/daily.txt"
  if [ ! -f "$scratch/base.BVD" ]; then
    # The history without its last day, stored by the program itself.
    grep -v ',04122026,' "$s5000" >"$scratch/history.txt"
    "$cli" --db "$scratch/base.BVD" import "$scratch/history.txt" >/dev/null 2>&1
  fi
  for ((i = 0; i < runs; i++)); do
    cp "$scratch/base.BVD" "$scratch/a.BVD" && sync
    timed import timeout 900 "$cli" --db "$scratch/a.BVD" import "$scratch/daily.txt"
    cp "$scratch/base.BVD" "$scratch/b.BVD" && sync
    timed fb_insert_baseline timeout 900 "$baseline" --append "$scratch/b.BVD" "$scratch/daily.txt"
  done
  report import fb_insert_baseline
  ;;
window)
  for ((i = 0; i < runs; i++)); do
    new_db w.BVD
    timed window timeout 900 "$window" "$scratch/w.BVD" "$s500"
    new_db a.BVD
    timed import timeout 900 "$cli" --db "$scratch/a.BVD" import "$s500"
  done
  report window import
  ;;
csv175k)
  if [ ! -f "$scratch/native.txt" ]; then
    python3 "$(dirname "$0")/make_csv_quotes.py" "$s500" "$scratch" >/dev/null
  fi
  for ((i = 0; i < runs; i++)); do
    new_db a.BVD
    timed csv timeout 900 "$cli" --db "$scratch/a.BVD" import "$scratch"/per_symbol/*.csv
    new_db b.BVD
    timed native_files timeout 900 "$cli" --db "$scratch/b.BVD" import "$scratch"/native_per_symbol/*.txt
    new_db a.BVD
    timed csv2 timeout 900 "$cli" --db "$scratch/a.BVD" import "$scratch"/per_symbol/*.csv
    new_db b.BVD
    timed native_one timeout 900 "$cli" --db "$scratch/b.BVD" import "$scratch/native.txt"
  done
  report csv native_files
  report csv2 native_one
  ;;
*)
  echo "unknown case $case_name" >&2
  exit 2
  ;;
esac
