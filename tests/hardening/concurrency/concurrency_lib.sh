# Shared by the concurrency scripts, sourced after tests/cli/lib.sh, with the
# variant as the script's second argument: "embedded" (every program opens
# the file itself, sharing it through the host's engine settings) or
# "server" (every program goes through a Firebird server this script starts
# on 127.0.0.1). Gives
#   target DB          the --database text of DB in this variant;
#   hold DB SQL        a third connection that runs SQL in a transaction and
#                      keeps it open, rows locked, until `release`;
#   blocked DB TEXT N  waits until N statements holding TEXT are running on DB
#                      (blocked behind the held rows), else fails;
#   AUTH               the user and password options of every connection.
VARIANT="${2:-embedded}"
ROOT=$("$VEICULO" --engine-root)
PASSWORD=masterkey
AUTH="--password $PASSWORD"
server_pid=""
# The server goes with the script, however it ends.
trap 'stop_server; rm -rf "$WORK"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

target() {
  if [ "$VARIANT" = server ]; then echo "127.0.0.1/$PORT:$1"; else echo "$1"; fi
}

hold() {
  rm -f "$WORK/hold.fifo"
  mkfifo "$WORK/hold.fifo"
  FIREBIRD="$ROOT" isql-fb -q -user SYSDBA -password "$PASSWORD" "$1" \
    <"$WORK/hold.fifo" >"$WORK/hold.out" 2>&1 &
  holder=$!
  exec 3>"$WORK/hold.fifo"
  printf '%s\n' 'set heading off;' "$2" "select 'HELD' from RDB\$DATABASE;" >&3
  tries=0
  until grep -q HELD "$WORK/hold.out" || [ "$tries" -ge 300 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  check "a third connection holds the rows" HELD "$(tr -d ' \n' <"$WORK/hold.out")"
}

release() {
  printf 'rollback;\n' >&3
  exec 3>&-
  wait "$holder"
  check "  ... and lets them go without error" HELD "$(tr -d ' \n' <"$WORK/hold.out")"
}

blocked() {
  tries=0
  while [ "$tries" -lt 300 ]; do
    running=$("$VEICULO" sql -d "$1" $AUTH "select count(*) N from MON\$STATEMENTS where \
MON\$STATE = 1 and MON\$ATTACHMENT_ID <> current_connection and MON\$SQL_TEXT containing '$2'" |
      sed -n 's/.*"N":\([0-9]*\).*/\1/p')
    [ "$running" = "$3" ] && return 0
    sleep 0.1
    tries=$((tries + 1))
  done
  echo "     $running of $3 statements '$2' running after 30 s"
  return 1
}

# The server: the system's engine files linked into a folder of the test's
# own, with a firebird.conf that listens on 127.0.0.1 at a free port and a
# security database that knows SYSDBA. Exits 77 (skipped) where the
# machine has no server program.
start_server() {
  server=/usr/sbin/firebird
  if [ ! -x "$server" ]; then
    echo "skip: no Firebird server program ($server, package firebird3.0-server)"
    exit 77
  fi
  system=$(dirname "$(readlink -f "$ROOT/firebird.msg")")
  mkdir "$WORK/server"
  for entry in "$system"/*; do
    [ "$(basename "$entry")" = firebird.conf ] || ln -s "$entry" "$WORK/server/"
  done
  printf "create database '%s' user SYSDBA;\ncreate user SYSDBA password '%s' using plugin Srp;\ncommit;\n" \
    "$WORK/security.fdb" "$PASSWORD" >"$WORK/security.sql"
  for attempt in 1 2 3 4 5; do
    PORT=$((20000 + $(od -An -N2 -tu2 /dev/urandom) % 40000))
    { cat "$system/firebird.conf"
      printf '%s\n' "ServerMode = Super" "RemoteBindAddress = 127.0.0.1" \
        "RemoteServicePort = $PORT" "SecurityDatabase = $WORK/security.fdb"; } >"$WORK/server/firebird.conf"
    if [ ! -f "$WORK/security.fdb" ]; then
      FIREBIRD="$WORK/server" isql-fb -q -i "$WORK/security.sql" >"$WORK/security.out" 2>&1 ||
        { echo "FAIL security database: $(cat "$WORK/security.out")"; exit 1; }
    fi
    FIREBIRD="$WORK/server" "$server" >"$WORK/server.out" 2>&1 &
    server_pid=$!
    waited=0
    while kill -0 "$server_pid" 2>/dev/null && [ "$waited" -lt 100 ]; do
      if "$VEICULO" sql -d "127.0.0.1/$PORT:$WORK/security.fdb" $AUTH \
        "select 1 N from RDB\$DATABASE" >/dev/null 2>&1; then
        echo "ok   Firebird server on 127.0.0.1:$PORT"
        return 0
      fi
      sleep 0.1
      waited=$((waited + 1))
    done
    stop_server  # the port was taken, or the server did not come up
  done
  echo "FAIL no Firebird server could be started on 127.0.0.1: $(cat "$WORK/server.out")"
  exit 1
}

stop_server() {
  [ -n "$server_pid" ] || return 0
  trap '' INT TERM  # a signal now must not leave the server behind
  kill "$server_pid" 2>/dev/null
  waited=0
  while kill -0 "$server_pid" 2>/dev/null && [ "$waited" -lt 20 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  kill -9 "$server_pid" 2>/dev/null  # a server with clients gone may linger on SIGTERM
  wait "$server_pid" 2>/dev/null
  server_pid=""
}
