#!/usr/bin/env bash
# The window test against a Firebird server of its own: prepares the
# database with brevant-cli, runs the Qt test, stops the server.
set -euo pipefail
test_binary="$1"
cli="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/private_server.sh"
private_server_available || { echo "SKIP: firebird3.0-server is not installed"; exit 77; }

dir="$(mktemp -d)"
cleanup() { stop_private_server; rm -rf "$dir"; }
trap cleanup EXIT

start_private_server "$dir"
export ISC_USER="$FB_USER"
db="localhost/$FB_PORT:$dir/db/BREVDATA.BVD"
quotes() { # $1: stocks, $2 and $3: first and last day
  awk -v n="$1" -v first="$2" -v last="$3" 'BEGIN {
    for (s = 0; s < n; s++)
      for (d = first; d <= last; d++) {
        day = 1 + (d - 1) % 28; month = 1 + int((d - 1) / 28); c = 10 + s + d
        printf "S%03d,S Corp %d,%02d%02d2026,%d,%d,%d,%d,5000\n", s, s, day, month, c, c + 1, c - 1, c
      }
  }'
}
quotes 3 1 40 >"$dir/first.txt"
quotes 3 41 45 | grep '^S001,' >"$dir/more.txt"
ISC_PASSWORD="$FB_PASSWORD" timeout 120 "$cli" --db "$db" import "$dir/first.txt" >/dev/null 2>&1

BREVANT_SERVER_DB="$db" BREVANT_SERVER_PASSWORD="$FB_PASSWORD" BREVANT_SERVER_PID="$FB_PID" \
  BREVANT_CLI="$cli" BREVANT_MORE_QUOTES="$dir/more.txt" ISC_PASSWORD=wrong \
  timeout 240 "$test_binary"
