#!/bin/sh
# Runs the veiculo program as a user would and checks what it prints and
# what it leaves behind.
. "$(dirname "$0")/lib.sh"
DB="$WORK/dealer.fdb"

out=$("$VEICULO" init-db "$DB" 2>&1); rc=$?
check "init-db succeeds" 0 "$rc"
contains "init-db says what it created" "created $DB" "$out"

out=$("$VEICULO" init-db "$DB" 2>&1); rc=$?
check "init-db refuses an existing database as bad input" 2 "$rc"
contains "init-db names the database" "$DB already exists" "$out"

out=$("$VEICULO" sql -d "$DB" "insert into GER_REVENDA (EMPRESA, REVENDA, MARCA) values (:E, 2, 'TOYO')" -p E=1 2>&1); rc=$?
check "sql insert succeeds" "0 ok" "$rc $out"

out=$("$VEICULO" sql -d "$DB" "select EMPRESA, MARCA from GER_REVENDA where REVENDA = :revenda" -p REVENDA=2 2>&1)
check "sql select prints the committed row as a data packet" \
  '{"fields":[{"name":"EMPRESA","type":"integer"},{"name":"MARCA","type":"text","size":10}],"rows":[{"EMPRESA":1,"MARCA":"TOYO"}]}' \
  "$out"

# A failing statement rolls back: the duplicate key insert leaves one row.
"$VEICULO" sql -d "$DB" "insert into GER_REVENDA (EMPRESA, REVENDA, MARCA) values (1, 2, 'FORD')" >/dev/null 2>&1
rc=$?
check "duplicate key fails" 1 "$rc"
out=$("$VEICULO" sql -d "$DB" "select count(*) N from GER_REVENDA" 2>&1)
contains "nothing half-written" '"rows":[{"N":1}]' "$out"

out=$("$VEICULO" sql -d "$DB" "select * from NAO_EXISTE" 2>&1); rc=$?
check "unknown table fails" 1 "$rc"
contains "the error names the table and the SQL" "while executing: select * from NAO_EXISTE" "$out"

out=$("$VEICULO" sql -d "$WORK/missing.fdb" "select 1 from RDB\$DATABASE" 2>&1); rc=$?
check "missing database is bad input" 2 "$rc"
check "the error names the database, on one line" "veiculo: database file $WORK/missing.fdb does not exist" "$out"

out=$("$VEICULO" sql -d "$DB" "select 1 from RDB\$DATABASE" -p SEMIGUAL 2>&1); rc=$?
check "malformed parameter is bad input" 2 "$rc"
contains "the error names the parameter" "'SEMIGUAL' is not written as NAME=VALUE" "$out"

out=$("$VEICULO" sql "select 1 from RDB\$DATABASE" 2>&1); rc=$?
check "no database given is bad input" 2 "$rc"
contains "the error says what to give" "give either --database or --odbc" "$out"

[ "$failures" -eq 0 ]
