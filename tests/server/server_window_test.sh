#!/usr/bin/env bash
# The window test against a Firebird server of its own: prepares the
# database with brevant-cli, logs in as a person would (dialog_driver), runs
# the Qt test, stops the server.
set -euo pipefail
test_binary="$1"
cli="$2"
driver="$3"
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

# The README's login: the alias, --user, no password in the environment; the
# window asks, the right password is typed, and the window comes up.
alias_db="localhost/$FB_PORT:brevant"
ISC_PASSWORD="$FB_PASSWORD" timeout 120 "$cli" --db "$alias_db" import "$dir/first.txt" >/dev/null 2>&1
login=$(env -u ISC_USER -u ISC_PASSWORD timeout 120 "$driver" "$FB_PASSWORD" -- \
  --db "$alias_db" --user "$FB_USER") || { echo "login run ended with $?: $login"; exit 1; }
expected="ASKED The database server refused the login of user $FB_USER. Password for $FB_USER:
READY 3"
if [ "$login" != "$expected" ]; then
  printf 'login run showed:\n%s\nexpected:\n%s\n' "$login" "$expected"
  exit 1
fi

BREVANT_SERVER_DB="$db" BREVANT_SERVER_PASSWORD="$FB_PASSWORD" BREVANT_SERVER_PID="$FB_PID" \
  BREVANT_CLI="$cli" BREVANT_MORE_QUOTES="$dir/more.txt" ISC_PASSWORD=wrong \
  timeout 240 "$test_binary"
