# Shared by the CLI test scripts: sourced right after a script's header, with
# the program to test as the script's first argument. Gives a scratch folder
# (removed at exit) that also holds the embedded engine's lock files, and the
# checks that print "ok"/"FAIL" lines and count failures; a script ends with
# `[ "$failures" -eq 0 ]`.
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

dump_db() {  # dump_db DATABASE: every row of every table, one line each (tests/support/database_dump.h)
  "$(dirname "$VEICULO")/veiculo_dump_db" "$1"
}
