#!/usr/bin/env bash
# A second Unix user on a machine where the engine's machine-wide lock folder
# (/tmp/firebird) belongs to someone else: brevant-cli still creates, fills
# and reads a database of that user's own, in a data folder and a file only
# that user may open, and two processes of that user still see each other.
# Runs as root (CI does): the user is made when missing; otherwise skipped.
set -euo pipefail
cli="$1"
hold_open="$2"
[ "$(id -u)" = 0 ] || { echo "SKIP: needs root to act as a second user"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

user=brevant-second
id "$user" >/dev/null 2>&1 ||
  useradd --system --user-group --no-create-home --shell /usr/sbin/nologin "$user"
uid=$(id -u "$user")
# The shared folder as root or the server package leaves it. Left in place:
# other programs of this machine may be using it.
[ -d /tmp/firebird ] || mkdir -m 0770 /tmp/firebird
[ "$(stat -c %U /tmp/firebird)" != "$user" ] || fail "/tmp/firebird belongs to $user"

dir="$(mktemp -d)"
pids=()
cleanup() {
  touch "$home/release" 2>/dev/null || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$dir"
}
trap cleanup EXIT
chmod 0755 "$dir"
home="$dir/home"
mkdir -m 0755 "$home"
chown "$user:" "$home"
printf 'ABC,ABC HOLDINGS,02032026,10.5,10.9,10.4,10.8,125000\n' >"$dir/a.txt"
chmod 0644 "$dir/a.txt"

# As the second user, in a clean environment: no runtime folder, the engine's
# folders not set, the data folder under its home.
as_user() {
  su -s /bin/sh "$user" -c 'exec env -u XDG_RUNTIME_DIR -u TMPDIR -u FIREBIRD_LOCK \
    -u FIREBIRD_TMP HOME="$0" XDG_DATA_HOME="$0/data" "$@"' "$home" "$@"
}

as_user "$cli" init >"$dir/out" 2>"$dir/err" || fail "init as $user: $(cat "$dir/err")"
data="$home/data/brevant-dira"
[ -f "$data/BREVDATA.BVD" ] || fail "no database in $data: $(ls -la "$home/data" 2>&1)"
[ "$(stat -c %a "$data")" = 700 ] || fail "data folder mode $(stat -c %a "$data")"
[ "$(stat -c %a "$data/BREVDATA.BVD")" = 600 ] ||
  fail "database mode $(stat -c %a "$data/BREVDATA.BVD")"
[ "$(stat -c %U "$data/BREVDATA.BVD")" = "$user" ] || fail "database not the user's"

out=$(as_user "$cli" import "$dir/a.txt" 2>"$dir/err") || fail "import: $(cat "$dir/err")"
[ "$out" = "files 1 lines 1" ] || fail "import printed: $out"
[ "$(as_user "$cli" list)" = "ABC HOLDINGS , ABC" ] || fail "list"

# The engine's lock folder: the user's own, closed to everyone else.
lock="/tmp/brevant-dira-$uid/lock"
[ -d "$lock" ] || fail "no lock folder $lock"
[ "$(stat -c '%U %a' "$lock")" = "$user 700" ] || fail "lock folder: $(stat -c '%U %a' "$lock")"
[ "$(stat -c '%U %a' "/tmp/brevant-dira-$uid")" = "$user 700" ] || fail "engine folder"

# Two processes of one user: the second is told the database is in use.
as_user "$hold_open" "$data/BREVDATA.BVD" "$home/ready" "$home/release" &
pids+=($!)
for _ in $(seq 300); do [ -f "$home/ready" ] && break; sleep 0.1; done
[ -f "$home/ready" ] || fail "the holder never attached"
status=0
as_user "$cli" list >"$dir/out" 2>"$dir/err" || status=$?
[ "$status" = 1 ] || fail "list beside the holder: status $status"
grep -q "in use by another program" "$dir/err" || fail "list beside the holder said: $(cat "$dir/err")"
echo PASS
