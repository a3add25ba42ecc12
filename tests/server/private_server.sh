#!/usr/bin/env bash
# A Firebird 3 server of our own for tests and benchmarks, sourced by them:
# its own configuration, security database, lock folder and users under a
# folder the caller gives, a free port on the loopback interface only, and no
# system service touched. The caller stops it (stop_private_server) on exit.
#
#   private_server_available || exit 77
#   start_private_server "$dir"     # sets FB_PORT, FB_PID, FB_DIR
#   ... ISC_USER=BREVANT ISC_PASSWORD="$FB_PASSWORD" brevant-cli --db "localhost/$FB_PORT:$dir/x.bvd" ...
#   stop_private_server
# FB_EXTRA_CONF, when set, is added to the server's firebird.conf.

FB_SERVER=/usr/sbin/firebird
FB_USER=BREVANT          # may create databases
FB_PASSWORD=brevant-test
FB_VIEWER=VIEWER         # may not create databases
FB_VIEWER_PASSWORD=viewer-test

private_server_available() {
  [ -x "$FB_SERVER" ] && command -v isql-fb >/dev/null 2>&1
}

free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()'
}

port_open() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# The configuration folder: the system's other files, our firebird.conf.
write_private_config() {
  local root="$FB_DIR/root"
  mkdir -p "$root" "$FB_DIR/lock" "$FB_DIR/tmp" "$FB_DIR/db"
  local f
  for f in /etc/firebird/3.0/*.conf; do [ -e "$f" ] && cp "$f" "$root/"; done
  f=$(find /usr/lib /usr/share -name firebird.msg 2>/dev/null | head -n 1)
  [ -n "$f" ] && cp "$f" "$root/"
  cat >"$root/firebird.conf" <<CONF
RemoteServicePort = $FB_PORT
RemoteBindAddress = 127.0.0.1
AuthServer = Srp
UserManager = Srp
SecurityDatabase = $FB_DIR/security3.fdb
UdfAccess = None
${FB_EXTRA_CONF:-}
CONF
  cat >"$root/databases.conf" <<CONF
brevant = $FB_DIR/db/ALIAS.BVD
CONF
}

# The engine, embedded, with our configuration: the security database and
# its users are made before the server holds the file.
private_engine() {
  FIREBIRD="$FB_DIR/root" FIREBIRD_LOCK="$FB_DIR/lock" FIREBIRD_TMP="$FB_DIR/tmp" \
    timeout 60 isql-fb -q "$@"
}

create_private_users() {
  echo "create database '$FB_DIR/security3.fdb' user 'SYSDBA';" | private_engine >/dev/null
  private_engine -user SYSDBA "$FB_DIR/security3.fdb" >/dev/null <<SQL
create user $FB_USER password '$FB_PASSWORD';
create user $FB_VIEWER password '$FB_VIEWER_PASSWORD';
commit;
grant create database to user $FB_USER;
commit;
SQL
}

# Starts the server in the foreground of a background job and waits (at most
# 20 s) until it listens. Returns non-zero when it does not come up.
start_private_server() {
  FB_DIR="$1"
  [ -n "${FB_PORT:-}" ] || FB_PORT=$(free_port)
  if [ ! -e "$FB_DIR/security3.fdb" ]; then
    write_private_config
    create_private_users
  fi
  FIREBIRD="$FB_DIR/root" FIREBIRD_LOCK="$FB_DIR/lock" FIREBIRD_TMP="$FB_DIR/tmp" \
    "$FB_SERVER" -d >>"$FB_DIR/server.log" 2>&1 &
  FB_PID=$!
  local i
  for i in $(seq 200); do
    port_open "$FB_PORT" && return 0
    kill -0 "$FB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "the private server did not start; its log:" >&2
  cat "$FB_DIR/server.log" >&2
  stop_private_server
  return 1
}

# Stops the server we started (by its process id), at most 3 s politely
# then for good.
stop_private_server() {
  [ -n "${FB_PID:-}" ] || return 0
  kill "$FB_PID" 2>/dev/null || true
  local i
  for i in $(seq 30); do
    kill -0 "$FB_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$FB_PID" 2>/dev/null || true
  wait "$FB_PID" 2>/dev/null || true
  FB_PID=""
}

# Stops it at once, as a crash or a pulled cable would.
kill_private_server() {
  [ -n "${FB_PID:-}" ] || return 0
  kill -9 "$FB_PID" 2>/dev/null || true
  wait "$FB_PID" 2>/dev/null || true
  FB_PID=""
}
