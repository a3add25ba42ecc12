#!/usr/bin/env bash
# brevant-cli on a Firebird server over the loopback interface against the
# same work embedded, each pair run alternately (embedded, server, embedded,
# server ...): medians of wall seconds and of the per-pair ratios
# server/embedded. The server is a private one (tests/server/private_server.sh)
# with the page cache the embedded files carry (50,000 pages), stopped at the
# end.
#
# usage: bench/server/server_bench.sh RUNS BUILD_DIR DATA_DIR SCRATCH_DIR [CASE...]
#   CASE: import  175,000 lines (s500) into a new database (embedded, the
#                 indexes are rebuilt after the load; through a server, never)
#         import-large  the same lines into copies of the 1,750,000-row
#                 databases below (both ways keep the indexes row by row)
#         scan    a first scan (a new process) of the 5,000 stocks of s5000,
#                 imported once into an embedded and a server database
#         list    the stock list a start reads, on those databases
#   DATA_DIR holds s500/ and s5000/ from gen_quotes.py --days 350.
set -euo pipefail
runs=$1 build=$2 data=$3 scratch=$4
shift 4
cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=(import scan list)
cli="$build/cli/brevant-cli"
s500="$data/s500/eod_20250804_20261204.txt"
s5000="$data/s5000/eod_20250804_20261204.txt"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../tests/server/private_server.sh"
mkdir -p "$scratch"

FB_EXTRA_CONF="DefaultDbCachePages = 50000"
[ -n "${FB_DIR:-}" ] || FB_DIR="$scratch/server"
if [ -e "$FB_DIR/root/firebird.conf" ]; then
  FB_PORT=$(awk '/RemoteServicePort/ {print $3}' "$FB_DIR/root/firebird.conf")
fi
start_private_server "$FB_DIR"
trap stop_private_server EXIT
export ISC_USER="$FB_USER" ISC_PASSWORD="$FB_PASSWORD"
server="localhost/$FB_PORT:$FB_DIR/db"

# timed COMMAND...: wall seconds of the command (its output dropped).
timed() {
  /usr/bin/time -f "%e" -o "$scratch/time.out" "$@" >/dev/null 2>"$scratch/stderr.out" ||
    { echo "failed: $*"; cat "$scratch/stderr.out"; exit 1; }
  cat "$scratch/time.out"
}
median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# pairs NAME PREPARE EMBEDDED SERVER: PREPARE (untimed) before each timed run.
pairs() {
  local name=$1 prepare=$2 embedded=$3 onserver=$4 e s
  : >"$scratch/e" >"$scratch/s" >"$scratch/r"
  for ((i = 1; i <= runs; i++)); do
    eval "$prepare"
    e=$(eval timed "$embedded")
    s=$(eval timed "$onserver")
    echo "$e" >>"$scratch/e"; echo "$s" >>"$scratch/s"
    echo "$s / $e" | bc -l >>"$scratch/r"
    printf '%s run %d: embedded %.2fs  server %.2fs\n' "$name" "$i" "$e" "$s"
  done
  printf '%s median: embedded %.2fs  server %.2fs  server/embedded %.2f\n' "$name" \
    "$(median <"$scratch/e")" "$(median <"$scratch/s")" "$(median <"$scratch/r")"
}

for c in "${cases[@]}"; do
  case "$c" in
  import)
    pairs import \
      'rm -f "$scratch/new.bvd" "$FB_DIR/db/new$i.bvd"; "$cli" --db "$scratch/new.bvd" init 2>/dev/null; "$cli" --db "$server/new$i.bvd" init 2>/dev/null' \
      '"$cli" --db "$scratch/new.bvd" import "$s500"' \
      '"$cli" --db "$server/new$i.bvd" import "$s500"'
    rm -f "$FB_DIR"/db/new*.bvd
    ;;
  import-large)
    pairs import-large \
      'rm -f "$scratch/copy.bvd" "$FB_DIR"/db/copy*.bvd; cp "$scratch/big.bvd" "$scratch/copy.bvd"; cp "$FB_DIR/db/big.bvd" "$FB_DIR/db/copy$i.bvd"' \
      '"$cli" --db "$scratch/copy.bvd" import "$s500"' \
      '"$cli" --db "$server/copy$i.bvd" import "$s500"'
    rm -f "$scratch/copy.bvd" "$FB_DIR"/db/copy*.bvd
    ;;
  scan | list)
    if [ ! -e "$scratch/big.bvd" ]; then
      echo "embedded import of s5000: $(timed "$cli" --db "$scratch/big.bvd" import "$s5000") s"
    fi
    if [ ! -e "$FB_DIR/db/big.bvd" ]; then
      echo "server import of s5000: $(timed "$cli" --db "$server/big.bvd" import "$s5000") s"
    fi
    if [ "$c" = scan ]; then
      pairs scan : '"$cli" --db "$scratch/big.bvd" scan --volume 1000' \
        '"$cli" --db "$server/big.bvd" scan --volume 1000'
    else
      pairs list : '"$cli" --db "$scratch/big.bvd" list' '"$cli" --db "$server/big.bvd" list'
    fi
    ;;
  *) echo "unknown case $c"; exit 2 ;;
  esac
done
