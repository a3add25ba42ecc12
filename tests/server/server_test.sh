#!/usr/bin/env bash
# brevant-cli against a real Firebird 3 server of its own on a free loopback
# port: the commands through each form of connection string, logins and
# their refusals, two clients importing different files while a third scans,
# an unreachable server, and a server stopped in the middle of an import.
set -euo pipefail
cli="$1"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/private_server.sh"
private_server_available || { echo "SKIP: firebird3.0-server is not installed"; exit 77; }

dir="$(mktemp -d)"
cleanup() { stop_private_server; rm -rf "$dir"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -e "$dir/server.log" ] && tail -n 20 "$dir/server.log"; exit 1; }

start_private_server "$dir" || fail "server did not start"
export ISC_USER="$FB_USER" ISC_PASSWORD="$FB_PASSWORD"
db="localhost/$FB_PORT:$dir/db/BREVDATA.BVD"
run() { timeout 120 "$cli" --db "$db" "$@"; }

# --- The commands, the database created through the server ---
run init 2>"$dir/err" || fail "init: $(cat "$dir/err")"
grep -q "Creating empty database on the server" "$dir/err" || fail "init said: $(cat "$dir/err")"
[ -f "$dir/db/BREVDATA.BVD" ] || fail "no database file on the server's side"
run init 2>/dev/null || fail "second init"

# Stocks of 40 weekdays each: whole-number prices, so that every stored row
# can be compared as text. $1: symbol prefix, $2: stocks.
quotes() {
  awk -v p="$1" -v n="$2" 'BEGIN {
    for (s = 0; s < n; s++)
      for (d = 1; d <= 40; d++) {
        day = 1 + (d - 1) % 28; month = 1 + int((d - 1) / 28); c = 10 + s + d
        printf "%s%03d,%s Corp %d,%02d%02d2026,%d,%d,%d,%d,5000\n", p, s, p, s, day, month, c, c + 1, c - 1, c
      }
  }'
}
# The rows a file of quotes() must leave, as the query below prints them.
expected_rows() {
  awk -v p="$1" -v n="$2" 'BEGIN {
    for (s = 0; s < n; s++)
      for (d = 1; d <= 40; d++) {
        day = 1 + (d - 1) % 28; month = 1 + int((d - 1) / 28); c = 10 + s + d
        printf "%s%03d,2026-%02d-%02d,%d,%d,%d,%d,5000\n", p, s, month, day, c, c + 1, c - 1, c
      }
  }'
}
stored_rows() { # $1: symbol prefix
  timeout 60 isql-fb -q -user "$FB_USER" -password "$FB_PASSWORD" "$db" <<SQL | sed 's/ *$//' | grep -v '^$'
set heading off;
select trim(SYMBOL) || ',' || cast(DATA as varchar(10)) || ',' || cast(OPN as integer) || ',' ||
  cast(HIGH as integer) || ',' || cast(LOW as integer) || ',' || cast(CLS as integer) || ',' ||
  cast(VOL as integer) from DATATABLE where SYMBOL starting with '$1' order by SYMBOL, DATA;
SQL
}

quotes S 3 >"$dir/s.txt"
[ "$(run import "$dir/s.txt" 2>/dev/null)" = "files 1 lines 120" ] || fail "import"
[ "$(stored_rows S)" = "$(expected_rows S 3)" ] || fail "rows of the first import"
[ "$(run list)" = "$(printf 'S Corp 0 , S000\nS Corp 1 , S001\nS Corp 2 , S002')" ] || fail "list: $(run list)"
bars=$(run bars S001 --calc "")
[ "$(wc -l <<<"$bars")" = 41 ] || fail "bars: $bars"
[ "$(sed -n 41p <<<"$bars" | cut -d, -f1,2)" = "51,5000" ] || fail "last bar: $(sed -n 41p <<<"$bars")"
run scan --volume 1000 >"$dir/out" 2>"$dir/err" || fail "scan: $(cat "$dir/err")"
[ "$(tail -n 1 "$dir/err")" = "processed 3 from 3, successful 3, unsuccessful 0, insufficient 0" ] ||
  fail "scan said: $(cat "$dir/err")"

# The other forms of connection string, and the login from options.
printf '%s\n' "$FB_PASSWORD" >"$dir/password"
chmod 600 "$dir/password"
[ "$(env -u ISC_USER -u ISC_PASSWORD "$cli" --db "$db" --user "$FB_USER" --password-file "$dir/password" list | wc -l)" = 3 ] ||
  fail "--user and --password-file"
[ "$(timeout 60 "$cli" --db "inet://127.0.0.1:$FB_PORT/$dir/db/BREVDATA.BVD" list | wc -l)" = 3 ] ||
  fail "inet:// address"
timeout 60 "$cli" --db "localhost/$FB_PORT:brevant" init 2>/dev/null || fail "alias"
[ -f "$dir/db/ALIAS.BVD" ] || fail "the alias did not create its file"

# --- Refusals, each in words ---
check_refusal() { # $1: what, $2: expected text, then the command
  local what="$1" text="$2"; shift 2
  if "$@" >/dev/null 2>"$dir/err"; then fail "$what: succeeded"; fi
  grep -q "$text" "$dir/err" || fail "$what said: $(cat "$dir/err")"
  [ "$(grep -c '^brevant-cli: ' "$dir/err")" = 1 ] || fail "$what: not one error line: $(cat "$dir/err")"
}
check_refusal "wrong password" "refused the login of user \"$FB_USER\"" \
  env ISC_PASSWORD=wrong timeout 60 "$cli" --db "$db" list
check_refusal "no login" "refused the login of user (none given)" \
  env -u ISC_USER -u ISC_PASSWORD timeout 60 "$cli" --db "$db" list
check_refusal "create not allowed" "did not create it for user \"$FB_VIEWER\"" \
  env ISC_USER="$FB_VIEWER" ISC_PASSWORD="$FB_VIEWER_PASSWORD" timeout 60 "$cli" \
  --db "localhost/$FB_PORT:$dir/db/NEW.BVD" init
[ ! -e "$dir/db/NEW.BVD" ] || fail "a refused create left a file"
check_refusal "missing password file" "cannot read the password file" \
  timeout 60 "$cli" --db "$db" --password-file "$dir/none" list

# --- Nothing listens on the port: a clear message, in at most the timeout ---
closed=$(free_port)
start=$SECONDS
check_refusal "closed port" "cannot reach the database server of localhost/$closed:" \
  timeout 30 "$cli" --db "localhost/$closed:$dir/db/BREVDATA.BVD" list
[ $((SECONDS - start)) -le 12 ] || fail "the closed port took $((SECONDS - start)) s"

# --- A port that takes the connection and never answers (a hung server) ---
python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(4)
print(s.getsockname()[1], flush=True); time.sleep(60)' >"$dir/silent.port" &
silent=$!
for i in $(seq 50); do [ -s "$dir/silent.port" ] && break; sleep 0.1; done
start=$SECONDS
check_refusal "silent server" "cannot reach the database server of localhost/$(cat "$dir/silent.port"):" \
  timeout 40 "$cli" --db "localhost/$(cat "$dir/silent.port"):$dir/db/BREVDATA.BVD" list
elapsed=$((SECONDS - start))
kill "$silent" 2>/dev/null || true
wait "$silent" 2>/dev/null || true
[ "$elapsed" -le 20 ] || fail "the silent server held the client $elapsed s"

# --- Two clients import different files while a third scans ---
quotes A 300 >"$dir/a.txt"
quotes B 300 >"$dir/b.txt"
run import "$dir/a.txt" >"$dir/a.out" 2>"$dir/a.err" &
importA=$!
run import "$dir/b.txt" >"$dir/b.out" 2>"$dir/b.err" &
importB=$!
sleep 0.5
run scan --volume 1000 >"$dir/scan.out" 2>"$dir/scan.err" &
scan=$!
wait "$importA" || fail "import A: $(cat "$dir/a.err")"
wait "$importB" || fail "import B: $(cat "$dir/b.err")"
wait "$scan" || fail "scan beside the imports: $(cat "$dir/scan.err")"
[ "$(cat "$dir/a.out")" = "files 1 lines 12000" ] || fail "import A printed: $(cat "$dir/a.out")"
[ "$(cat "$dir/b.out")" = "files 1 lines 12000" ] || fail "import B printed: $(cat "$dir/b.out")"
[ "$(stored_rows A)" = "$(expected_rows A 300)" ] || fail "rows of file A"
[ "$(stored_rows B)" = "$(expected_rows B 300)" ] || fail "rows of file B"
[ "$(stored_rows S)" = "$(expected_rows S 3)" ] || fail "rows of the first import changed"
# The scan saw one snapshot: each file's stocks all or none.
found=$(wc -l <"$dir/scan.out")
case "$found" in 3 | 303 | 603) ;; *) fail "the scan beside the imports found $found stocks" ;; esac
[ "$(tail -n 1 "$dir/scan.err")" = "processed $found from $found, successful $found, unsuccessful 0, insufficient 0" ] ||
  fail "scan beside the imports said: $(tail -n 1 "$dir/scan.err")"
run scan --volume 1000 >"$dir/scan.out" 2>/dev/null
[ "$(wc -l <"$dir/scan.out")" = 603 ] || fail "scan after the imports"
[ "$(run list | wc -l)" = 603 ] || fail "list after the imports"

# --- The stock tables those clients' imports kept, read by other clients ---
# A later client's list and first scan read them; with their state row gone
# (another tool's change) the same commands read the quote table itself.
isql_value() {
  timeout 60 isql-fb -q -user "$FB_USER" -password "$FB_PASSWORD" "$db" <<<"set heading off; $1" |
    tr -d ' ' | { grep -v '^$' || true; }
}
[ "$(isql_value 'select count(*) from STOCKS;')" = 603 ] || fail "stock table after the imports"
[ "$(isql_value 'select GENERATION from STOCKSTATE;')" = "$(isql_value 'select GENERATION from IMPORTGEN;')" ] ||
  fail "the stock tables do not follow the imports"
filters=(--volume 1000)
run list >"$dir/list.kept"
run scan "${filters[@]}" >"$dir/scan.kept" 2>"$dir/scan.kept.err"
isql_value 'delete from STOCKSTATE; commit;' >/dev/null
run list >"$dir/list.read"
run scan "${filters[@]}" >"$dir/scan.read" 2>"$dir/scan.read.err"
cmp -s "$dir/list.kept" "$dir/list.read" || fail "the list from the stock table differs from the query's"
cmp -s "$dir/scan.kept" "$dir/scan.read" || fail "the first scan from the stored bars differs"
[ "$(tail -n 1 "$dir/scan.kept.err")" = "$(tail -n 1 "$dir/scan.read.err")" ] ||
  fail "first scans said: $(tail -n 1 "$dir/scan.kept.err") / $(tail -n 1 "$dir/scan.read.err")"

# --- An import that meets another client's change of the import generation ---
# Another client raises the generation and holds its transaction open for 2 s;
# the import waits for it, meets the conflict, and begins its file again.
generation() {
  timeout 60 isql-fb -q -user "$FB_USER" -password "$FB_PASSWORD" "$db" <<<"set heading off; select GENERATION from IMPORTGEN;" |
    tr -d ' ' | grep -v '^$'
}
before=$(generation)
timeout 60 isql-fb -q -user "$FB_USER" -password "$FB_PASSWORD" "$db" >/dev/null <<'SQL' &
update IMPORTGEN set GENERATION = GENERATION + 1;
shell sleep 2;
commit;
SQL
holder=$!
sleep 0.5
quotes D 2 >"$dir/d.txt"
run import "$dir/d.txt" >"$dir/d.out" 2>"$dir/d.err" || fail "import after a conflict: $(cat "$dir/d.err")"
wait "$holder" || fail "the other client's transaction"
[ "$(cat "$dir/d.out")" = "files 1 lines 80" ] || fail "import after a conflict printed: $(cat "$dir/d.out")"
[ "$(stored_rows D)" = "$(expected_rows D 2)" ] || fail "rows of the import after a conflict"
[ "$(generation)" = $((before + 2)) ] || fail "generation $(generation) after $before"
[ "$(run list | wc -l)" = 605 ] || fail "list after the import after a conflict"

# --- A second team member: rights on the tables, not their owner ---
# The server refuses them the statistics refresh (only the owner may alter the
# table); their import still succeeds, every row stored.
timeout 60 isql-fb -q -user "$FB_USER" -password "$FB_PASSWORD" "$db" >/dev/null <<SQL
grant all on DATATABLE to user $FB_VIEWER;
grant all on SPLIT to user $FB_VIEWER;
grant all on INDICATOR to user $FB_VIEWER;
grant all on IMPORTGEN to user $FB_VIEWER;
commit;
SQL
quotes E 2 >"$dir/e.txt"
env ISC_USER="$FB_VIEWER" ISC_PASSWORD="$FB_VIEWER_PASSWORD" timeout 120 "$cli" --db "$db" \
  import "$dir/e.txt" >"$dir/e.out" 2>"$dir/e.err" || fail "the second member's import: $(cat "$dir/e.err")"
[ "$(cat "$dir/e.out")" = "files 1 lines 80" ] || fail "the second member's import printed: $(cat "$dir/e.out")"
[ "$(stored_rows E)" = "$(expected_rows E 2)" ] || fail "rows of the second member's import"

# --- The server stops in the middle of an import ---
quotes C 5000 >"$dir/c.txt"
run import "$dir/c.txt" >"$dir/c.out" 2>"$dir/c.err" &
importC=$!
# Until the import has written rows (the server's temporary space or its
# database file grows), at most 60 s.
size0=$(stat -c %s "$dir/db/BREVDATA.BVD")
for i in $(seq 600); do
  [ "$(stat -c %s "$dir/db/BREVDATA.BVD")" -gt "$size0" ] && break
  kill -0 "$importC" 2>/dev/null || break
  sleep 0.1
done
kill_private_server
if wait "$importC"; then fail "the import succeeded without its server: $(cat "$dir/c.err")"; fi
grep -q "the connection to the database server was lost" "$dir/c.err" ||
  fail "the import said: $(cat "$dir/c.err")"
start_private_server "$dir" || fail "server did not start again"
[ -z "$(stored_rows C)" ] || fail "rows of the interrupted file were kept: $(stored_rows C | wc -l)"
[ "$(run list | wc -l)" = 607 ] || fail "list after the interrupted import"
# --- The server stalls (stopped, not gone) in the middle of an import ---
# The client waits inside the client library; a second stop signal still
# ends it within a bounded time, in words.
quotes F 5000 >"$dir/f.txt"
# The program itself, not a wrapper, is to hear the signals; bounded below.
"$cli" --db "$db" import "$dir/f.txt" >"$dir/f.out" 2>"$dir/f.err" &
importF=$!
size0=$(stat -c %s "$dir/db/BREVDATA.BVD")
for i in $(seq 600); do
  [ "$(stat -c %s "$dir/db/BREVDATA.BVD")" -gt "$size0" ] && break
  kill -0 "$importF" 2>/dev/null || break
  sleep 0.1
done
kill -STOP "$FB_PID"
sleep 0.5
start=$SECONDS
kill -INT "$importF" 2>/dev/null || true
sleep 0.2
kill -INT "$importF" 2>/dev/null || true
status=0
for i in $(seq 100); do kill -0 "$importF" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$importF" 2>/dev/null; then
  kill -CONT "$FB_PID"
  kill -9 "$importF"
  fail "the import waited on the stalled server after two signals"
fi
wait "$importF" || status=$?
kill -CONT "$FB_PID"
[ "$status" = 130 ] || fail "the import beside a stalled server: status $status: $(cat "$dir/f.err")"
[ $((SECONDS - start)) -le 10 ] || fail "the stalled server held the import $((SECONDS - start)) s"
grep -q "interrupted" "$dir/f.err" || fail "the import beside a stalled server said: $(cat "$dir/f.err")"

# --- Logins: encrypted or none; the password never shown ---
stop_private_server
FB_EXTRA_CONF="WireCrypt = Disabled" write_private_config
start_private_server "$dir" || fail "server did not start again"
check_refusal "a server without encryption" "does not encrypt its connections" \
  timeout 60 "$cli" --db "$db" list
stop_private_server
write_private_config
start_private_server "$dir" || fail "server did not start again"
if grep -l -F -- "$FB_PASSWORD" "$dir"/*.out "$dir"/*.err "$dir"/out "$dir"/err 2>/dev/null; then
  fail "the password stands in an output"
fi
echo "server tests passed"
