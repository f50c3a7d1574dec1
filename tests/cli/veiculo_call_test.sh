#!/bin/sh
# Runs `veiculo init-db`, `sql`, `call`, `run` and `demo` as a user would and
# checks what they print, their exit status and what they leave behind.
# Expected figures come from the demo dealer's rows (apps/veiculo/demo).
. "$(dirname "$0")/lib.sh"
SOURCE="$2"  # the source tree, for the holder list
DB="$WORK/demo.fdb"
exists() { [ -e "$1" ] && echo yes || echo no; }
# Bad input: status 2, nothing on stdout, exactly one line on stderr (in $err).
bad_input() {  # bad_input NAME ARGS...
  name="$1"; shift
  "$VEICULO" "$@" >"$WORK/bad.out" 2>"$WORK/bad.err"; rc=$?
  err=$(cat "$WORK/bad.err")
  check "$name: status 2, one line on stderr only" "2 1 " \
    "$rc $(wc -l <"$WORK/bad.err" | tr -d ' ') $(cat "$WORK/bad.out")"
}

# --- init-db and sql on an empty database ------------------------------------
"$VEICULO" init-db "$WORK/plain.fdb" >/dev/null 2>&1; rc=$?
check "init-db creates the database" "0 yes" "$rc $(exists "$WORK/plain.fdb")"
bad_input "init-db refuses an existing database" init-db "$WORK/plain.fdb"
contains "  ... names it" "$WORK/plain.fdb already exists" "$err"
out=$("$VEICULO" sql -d "$WORK/plain.fdb" "insert into GER_REVENDA (EMPRESA, REVENDA, MARCA) values (:E, 2, 'TOYO')" -p E=1 2>&1); rc=$?
check "sql insert succeeds and counts the row" "0 1 row affected" "$rc $out"
# A failing statement rolls back: the duplicate key insert leaves one row.
"$VEICULO" sql -d "$WORK/plain.fdb" "insert into GER_REVENDA (EMPRESA, REVENDA, MARCA) values (1, 2, 'FORD')" >/dev/null 2>&1; rc=$?
check "duplicate key fails with status 1" 1 "$rc"
out=$("$VEICULO" sql -d "$WORK/plain.fdb" "select EMPRESA, MARCA from GER_REVENDA where REVENDA = :revenda" -p REVENDA=2 2>&1)
check "sql select prints the one committed row as a data packet" \
  '{"fields":[{"name":"EMPRESA","type":"integer"},{"name":"MARCA","type":"text","size":10}],"rows":[{"EMPRESA":1,"MARCA":"TOYO"}]}' "$out"
bad_input "sql with a malformed parameter" sql -d "$WORK/plain.fdb" "select 1 from RDB\$DATABASE" -p SEMIGUAL
bad_input "sql without a database" sql "select 1 from RDB\$DATABASE"

# --- the demo database and its figures --------------------------------------
"$VEICULO" init-db "$DB" --demo >/dev/null 2>&1; rc=$?
check "init-db --demo succeeds" 0 "$rc"
bad_input "--vehicles without --demo" init-db "$WORK/other.fdb" --vehicles 5
check "  ... creates nothing" no "$(exists "$WORK/other.fdb")"

call LerParametro pfEmpresa=1 pfRevenda=1
# PCT_PIS 1.65 + PCT_COFINS 7.6 = 9.25; used: 0.65 + 3.0 = 3.65.
contains "LerParametro opens with the operation and its result" \
  '{"operation":"LerParametro","result":true,"out":{},"holders":{' "$out"
contains "  ... UB and UF of the head office" '"UB":1,"UF":2,' "$out"
contains "  ... PIS + COFINS" '"Pis_Cofins":9.25,' "$out"
contains "  ... the used rates' sum" '"Pis_Cofins_Usados":3.65,' "$out"
call LerParametro pfEmpresa=1 pfRevenda=9
contains "a dealer without parameters: false, UB and UF stay 0" '"UB":0,"UF":0,' "$out"
call LerVeiculoServer pfEmpresa=1 pfVeiculo=V1001 pfUtilizaFindKey=true
# The head office's price row 81290 plus its metallic paint 1950 (not the model's 79990 + 1890).
contains "public price from the dealer's price row" '"PRECO_PUBLICO":83240.0' "$out"
contains "  ... the model's own price under a name of its own" '"PRECO_PUBLICO_1":79990.0' "$out"
call LerVeiculoServer pfEmpresa=1 pfVeiculo=V1004 pfUtilizaFindKey=true
# No price row for HATCH16 at dealer 1: model price 98490 + special paint 3200.
contains "without a dealer price row, the model's price and paint" '"PRECO_PUBLICO":101690.0' "$out"

# --- call --list ------------------------------------------------------------
list=$("$VEICULO" call --list)
contains "the list gives parameters, directions and types" \
  "LerParametroServer(pfEmpresa: integer, pfRevenda: integer, var pcdsParametro: datapacket, var pcdsRevenda: datapacket, var pUB: integer, var pUF: integer, var pPis_Cofins: double): boolean" \
  "$list"
missing=""
for field in $(sed -n 's/^HOLDER([^,]*, *\([A-Za-z_0-9]*\))$/\1/p' "$SOURCE/include/veiculo/value_holders.inc"); do
  case "$list" in *"Get$field()"*) ;; *) missing="$missing Get$field" ;; esac
  case "$list" in *"Set$field(value:"*) ;; *) missing="$missing Set$field" ;; esac
done
check "every holder with accessors has its Get and Set in the list" "" "$missing"

# --- run: one session; a failing call stops the script and names it --------
printf '[{"operation": "SetdPbValorVenda", "params": {"value": 95000.5}}, {"operation": "GetdPbValorVenda"}]' >"$WORK/two.json"
out=$("$VEICULO" run "$WORK/two.json" --database "$DB" 2>&1)
contains "the second call reads the holder the first set" \
  '{"operation":"GetdPbValorVenda","result":95000.5,' "$(printf '%s\n' "$out" | sed -n 3p)"
cat >"$WORK/fails.json" <<'JSON'
[{"operation": "AlteraCommandText", "params": {"pNomeCds": "cdsVeiculo",
   "pCommandText": "select * from NAO_EXISTE where EMPRESA = :Empresa and VEICULO = :Veiculo"}},
 {"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "V1001", "pfUtilizaFindKey": true}}]
JSON
"$VEICULO" run "$WORK/fails.json" --database "$DB" >"$WORK/run.out" 2>"$WORK/run.err"; rc=$?
check "a failing call fails the script with status 1 and no output" "1 " "$rc $(cat "$WORK/run.out")"
contains "  ... the error names the call" "in call 2 (LerVeiculo) of $WORK/fails.json" "$(cat "$WORK/run.err")"
printf '[{"operation": "LerParametro", "params": {"pfEmpresa": 1, "pfRevenda": 1}}, {"operation": "LerVeicolo"}]' >"$WORK/typo.json"
bad_input "run with an unknown operation" run "$WORK/typo.json" --database "$DB" --sql-log "$WORK/typo.log"
contains "  ... names the call and the closest" "call 2: unknown operation 'LerVeicolo'; did you mean LerVeiculo?" "$err"
check "  ... sends no SQL (no log written)" no "$(exists "$WORK/typo.log")"
printf '[{"operation": "LerParametro", "parms": {}}]' >"$WORK/key.json"
bad_input "a call with an unknown key" run "$WORK/key.json" --database "$DB"
printf '[{"operation": "LerParametro"' >"$WORK/broken.json"
bad_input "a script that is not JSON" run "$WORK/broken.json" --database "$DB"

# --- --sql-log and the error exits -------------------------------------------
"$VEICULO" call LerParametro pfEmpresa=1 pfRevenda=1 --database "$DB" --sql-log "$WORK/sql.log" >/dev/null
"$VEICULO" call PermissaoFuncao pfUsuario=0 pfFuncao=1 --database "$DB" --sql-log "$WORK/sql.log" >/dev/null
check "--sql-log appends one line per statement; user 0 sends none" \
  "select * from VEI_PARAMETRO where EMPRESA = :Empresa and REVENDA = :Revenda
select * from GER_REVENDA where EMPRESA = :Empresa and REVENDA = :Revenda" "$(cat "$WORK/sql.log")"
bad_input "missing parameter" call LerParametro pfEmpresa=1 --database "$DB"
check "  ... names it with its type" "veiculo: LerParametro: missing parameter pfRevenda (integer)" "$err"
bad_input "integer out of range" call LerParametro pfEmpresa=2147483648 pfRevenda=1 --database "$DB"
bad_input "a packet file that does not exist" call LerVeiculoServer pfEmpresa=1 pfVeiculo=V1001 "pcdsVeiculo=@$WORK/none.json" pfUtilizaFindKey=true --database "$DB"
bad_input "a database that does not exist" call LerParametro pfEmpresa=1 pfRevenda=1 --database "$WORK/none.fdb" --sql-log "$WORK/none.log"
check "  ... names the file and leaves nothing behind" \
  "veiculo: database file $WORK/none.fdb does not exist no no" "$err $(exists "$WORK/none.fdb") $(exists "$WORK/none.log")"
bad_input "an option the command does not know" call LerParametro --bogus --database "$DB"

# A database error inside the operation: status 1, the engine's message and the SQL.
cp "$DB" "$WORK/broken.fdb"
printf 'drop table GER_FUNCAO_USUARIO;\ncommit;\n' | isql-fb -q -user SYSDBA "$WORK/broken.fdb"
"$VEICULO" call PermissaoFuncao pfUsuario=1 pfFuncao=101 --database "$WORK/broken.fdb" \
  >"$WORK/db.out" 2>"$WORK/db.err"; rc=$?
check "a database error inside the operation exits 1, nothing on stdout" "1 " "$rc $(cat "$WORK/db.out")"
contains "  ... with the SQL sent" "GER_FUNCAO_USUARIO" "$(cat "$WORK/db.err")"

# --- demo -------------------------------------------------------------------
out=$("$VEICULO" demo --database "$DB" 2>&1)
contains "demo shows PIS + COFINS" "9,25 % (1,65 % + 7,60 %)" "$out"
contains "demo shows the public price" "R\$ 83.240,00" "$out"
lacks "demo prints no raw JSON" '{"' "$out"

[ "$failures" -eq 0 ]
