#!/usr/bin/env bash
# Runs two commands alternately (A B A B ...) and prints the median wall time
# of each and the median of the per-pair ratios A/B.
# usage: bench/pair.sh RUNS 'COMMAND A' 'COMMAND B'
set -euo pipefail
runs="$1" a="$2" b="$3"
wall() { local s e; s=$(date +%s.%N); bash -c "$1" >/dev/null 2>&1; e=$(date +%s.%N); echo "$e - $s" | bc -l; }
ta=() tb=() ratios=()
for ((i = 0; i < runs; i++)); do
  x=$(wall "$a"); y=$(wall "$b")
  ta+=("$x"); tb+=("$y"); ratios+=("$(echo "$x / $y" | bc -l)")
  printf 'run %d: A %.3fs  B %.3fs  A/B %.3f\n' "$((i + 1))" "$x" "$y" "${ratios[-1]}"
done
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
printf 'median: A %.3fs  B %.3fs  A/B %.3f\n' "$(median "${ta[@]}")" "$(median "${tb[@]}")" "$(median "${ratios[@]}")"
