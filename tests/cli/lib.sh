# Shared by the CLI test scripts: sourced right after a script's header, with
# the program to test as the script's first argument. Gives a scratch folder
# (removed at exit) that also holds the embedded engine's lock files, the
# checks that print "ok"/"FAIL" lines and count failures (a script ends with
# `[ "$failures" -eq 0 ]`), and the host's commands on the script's "$DB".
set -u
VEICULO="$1"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export FIREBIRD_LOCK="$WORK" FIREBIRD_TMP="$WORK"
failures=0

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok   $1"
  else
    echo "FAIL $1"
    echo "     expected: $2"
    echo "     actual:   $3"
    failures=$((failures + 1))
  fi
}

contains() {  # contains NAME NEEDLE HAYSTACK
  case "$3" in
    *"$2"*) echo "ok   $1" ;;
    *) echo "FAIL $1: '$2' not in: $(printf '%s' "$3" | cut -c1-400)"; failures=$((failures + 1)) ;;
  esac
}

lacks() {  # lacks NAME NEEDLE HAYSTACK
  case "$3" in
    *"$2"*) echo "FAIL $1: '$2' found in: $(printf '%s' "$3" | cut -c1-400)"; failures=$((failures + 1)) ;;
    *) echo "ok   $1" ;;
  esac
}

call() {  # call ARGS... : the JSON of a call on the demo database; sets rc
  out=$("$VEICULO" call "$@" --database "$DB" 2>"$WORK/call.err"); rc=$?
}
query() {  # query TEXT : the rows of a select, as the data packet's "rows"
  "$VEICULO" sql -d "$DB" "$1" | sed -n 's/.*"rows":\(\[.*\]\)}$/\1/p'
}
custo() {  # custo ARGS... : `veiculo custo` on the demo database; stdout in $out, stderr in $err
  out=$("$VEICULO" custo --database "$DB" "$@" 2>"$WORK/custo.err"); rc=$?
  err=$(cat "$WORK/custo.err")
}
count() {  # count SQL : the N of a "select count(*) N ..."
  "$VEICULO" sql -d "$DB" "$1" | sed -n 's/.*"rows":\[{"N":\([0-9]*\)}\].*/\1/p'
}

dump_db() {  # dump_db DATABASE: every row of every table, one line each (tests/support/database_dump.h)
  "$(dirname "$VEICULO")/veiculo_dump_db" "$1"
}
