#!/bin/sh
# Runs `veiculo init-db --demo`, `call`, `run` and `demo` as a user would and
# checks what they print, their exit status and what they leave behind.
# Expected figures come from the demo dealer's rows (apps/veiculo/demo).
. "$(dirname "$0")/lib.sh"
SOURCE="$2"  # the source tree, for the holder list
DB="$WORK/demo.fdb"

call() {  # call ARGS... : the JSON of a call on the demo database; sets rc
  out=$("$VEICULO" call "$@" --database "$DB" 2>"$WORK/call.err"); rc=$?
}

# Bad input: status 2, nothing on stdout, exactly one line on stderr (in $err).
bad_input() {  # bad_input NAME ARGS...
  name="$1"; shift
  "$VEICULO" "$@" >"$WORK/bad.out" 2>"$WORK/bad.err"; rc=$?
  err=$(cat "$WORK/bad.err")
  check "$name: exit status 2" 2 "$rc"
  check "$name: nothing on stdout" "" "$(cat "$WORK/bad.out")"
  check "$name: one line on stderr" 1 "$(wc -l <"$WORK/bad.err" | tr -d ' ')"
}

# --- the demo database ------------------------------------------------------
out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"
contains "init-db says it loaded the demo" "the demo dealer" "$out"

bad_input "--vehicles without --demo" init-db "$WORK/other.fdb" --vehicles 5
check "--vehicles without --demo creates nothing" "no" "$([ -e "$WORK/other.fdb" ] && echo yes || echo no)"

# --- LerParametro -----------------------------------------------------------
call LerParametro pfEmpresa=1 pfRevenda=1
check "LerParametro succeeds" 0 "$rc"
contains "the object opens with the operation and its result" \
  '{"operation":"LerParametro","result":true,"out":{},"holders":{' "$out"
contains "UB is the head office's UB_PADRAO" '"UB":1,' "$out"
contains "UF is the head office's UF_PADRAO" '"UF":2,' "$out"
# PCT_PIS 1.65 + PCT_COFINS 7.6 = 9.25; used: 0.65 + 3.0 = 3.65.
contains "Pis_Cofins is PIS + COFINS" '"Pis_Cofins":9.25,' "$out"
contains "Pis_Cofins_Usados is the used rates' sum" '"Pis_Cofins_Usados":3.65,' "$out"
contains "a date-time holder prints as ISO text (day 0)" '"tPvDataProcessamento":"1899-12-30T00:00:00"' "$out"
contains "the holder with the odd accessor spelling is listed" '"rPbDeflacaoPagamento":0.0}' "$out"

call LerParametro pfEmpresa=1 pfRevenda=2
contains "the branch's UF_PADRAO" '"UB":1,"UF":3,' "$out"

call LerParametro pfEmpresa=1 pfRevenda=9
contains "a dealer without parameters: false, UB and UF 0" '"result":false' "$out"
contains "  ... UB and UF stay 0" '"UB":0,"UF":0,' "$out"

call LerParametroServer pfEmpresa=1 pfRevenda=1
contains "LerParametroServer returns its var integers in out" '"pUB":1,"pUF":2,"pPis_Cofins":9.25}' "$out"
contains "  ... and the dealer row as a packet" '"NOME_FANTASIA":"Centro Automotivo Paulista"' "$out"

call BuscaCdsParametro
check "BuscaCdsParametro on a fresh module gives the integer 1" \
  '{"operation":"BuscaCdsParametro","result":1,' "$(printf '%s' "$out" | cut -c1-44)"

# --- permissions and brand --------------------------------------------------
call PermissaoFuncao pfUsuario=1 pfFuncao=102
contains "the manager may approve (function 102)" '"result":true' "$out"
call PermissaoFuncao pfUsuario=2 pfFuncao=102
contains "a salesperson may not" '"result":false' "$out"
call BuscaMarca pfEmpresa=1 pfRevenda=2
contains "BuscaMarca returns nothing" '"result":null' "$out"
contains "  ... and records the brand" '"sPvMarca":"RENA"' "$out"

# --- LerVeiculo / LerVeiculoServer ----------------------------------------
call LerVeiculo pfEmpresa=1 pfVeiculo=V1001 pfUtilizaFindKey=true
contains "LerVeiculo finds V1001" '"result":true' "$out"
contains "  ... the payment index is the INDICE of the C line" '"iPvIndicePagamento":3,' "$out"

call LerVeiculo pfEmpresa=1 pfVeiculo=NAO-EXISTE pfUtilizaFindKey=false
contains "LerVeiculo of an unknown vehicle is false" '"result":false' "$out"

call LerVeiculoServer pfEmpresa=1 pfVeiculo=V1001 pfUtilizaFindKey=true
check "LerVeiculoServer succeeds" 0 "$rc"
contains "the vehicle row comes back in out" '"out":{"pcdsVeiculo":{"fields":[' "$out"
contains "  ... with its chassis" '"CHASSI":"9ZXHB10L0SB104311"' "$out"
# The head office's price row 81290 plus its metallic paint 1950 (not the model's 79990 + 1890).
contains "  ... public price from the dealer's price row" '"PRECO_PUBLICO":83240.0' "$out"
contains "  ... the model's own price under a name of its own" '"PRECO_PUBLICO_1":79990.0' "$out"
contains "the formula lines come back in out" '"pcdsFormulaLinha":{"fields":[' "$out"
contains "  ... the C line with its index" '"LINHA_FORMULA":1,"TIPO":"C"' "$out"
contains "  ... down to the last line" '"LINHA_FORMULA":6,' "$out"

call LerVeiculoServer pfEmpresa=1 pfVeiculo=V1004 pfUtilizaFindKey=true
# No price row for HATCH16 at dealer 1: model price 98490 + special paint 3200.
contains "without a dealer price row, the model's price and paint" '"PRECO_PUBLICO":101690.0' "$out"
call LerVeiculoServer pfEmpresa=1 pfVeiculo=V1003 pfUtilizaFindKey=true
# The branch's price row for SEDAN16 114400, solid paint 0.
contains "the branch's price row for a branch vehicle" '"PRECO_PUBLICO":114400.0' "$out"

# --- call --list ------------------------------------------------------------
list=$("$VEICULO" call --list); rc=$?
check "call --list succeeds" 0 "$rc"
contains "the list gives parameters, directions and types" \
  "LerParametroServer(pfEmpresa: integer, pfRevenda: integer, var pcdsParametro: datapacket, var pcdsRevenda: datapacket, var pUB: integer, var pUF: integer, var pPis_Cofins: double): boolean" \
  "$list"
contains "the host's connection is marked" "AtribuiConexao(pfConexao: connection (host)): none" "$list"
contains "an operation of two result kinds" "BuscaCdsParametro(): datapacket | integer" "$list"
contains "the odd accessor spelling" "setrPbDeflacaoPagamento(value: double): none" "$list"
contains "a date-time holder" "SettPvDataProcessamento(value: datetime): none" "$list"
for op in InicializaDM FinalizaDM SetaSQLConnection LimpaSQLConnection FechaSds AlteraCommandText \
    LerParametro PermissaoFuncao BuscaMarca LerVeiculo LerVeiculoServer; do
  contains "list has $op" "
$op(" "
$list"
done
missing=""
for field in $(sed -n 's/^HOLDER([^,]*, *\([A-Za-z_0-9]*\))$/\1/p' "$SOURCE/include/veiculo/value_holders.inc"); do
  case "$list" in *"Get$field()"*) ;; *) missing="$missing Get$field" ;; esac
  case "$list" in *"Set$field(value:"*) ;; *) missing="$missing Set$field" ;; esac
done
check "every holder with accessors has its Get and Set in the list" "" "$missing"

# --- run: one session, holders and datasets carry over ---------------------
cat >"$WORK/two.json" <<'JSON'
[{"operation": "SetdPbValorVenda", "params": {"value": 95000.5}},
 {"operation": "GetdPbValorVenda"}]
JSON
out=$("$VEICULO" run "$WORK/two.json" --database "$DB" 2>&1); rc=$?
check "run succeeds" 0 "$rc"
check "run prints an array, one call per line" 4 "$(printf '%s\n' "$out" | wc -l | tr -d ' ')"
contains "the second call reads the holder the first set" \
  '{"operation":"GetdPbValorVenda","result":95000.5,' "$(printf '%s\n' "$out" | sed -n 3p)"

cat >"$WORK/cache.json" <<'JSON'
[{"operation": "LerParametro", "params": {"pfEmpresa": 1, "pfRevenda": "1"}},
 {"operation": "BuscaCdsParametro"}]
JSON
out=$("$VEICULO" run "$WORK/cache.json" --database "$DB" 2>&1)
contains "cdsParametro opened by the first call is open in the second" \
  '{"operation":"BuscaCdsParametro","result":{"fields":[' "$(printf '%s\n' "$out" | sed -n 3p)"

# A database error in the second call stops the script and names the call.
cat >"$WORK/fails.json" <<'JSON'
[{"operation": "AlteraCommandText", "params": {"pNomeCds": "cdsVeiculo",
   "pCommandText": "select * from NAO_EXISTE where EMPRESA = :Empresa and VEICULO = :Veiculo"}},
 {"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "V1001", "pfUtilizaFindKey": true}}]
JSON
"$VEICULO" run "$WORK/fails.json" --database "$DB" >"$WORK/run.out" 2>"$WORK/run.err"; rc=$?
check "a failing call fails the script with status 1" 1 "$rc"
check "  ... nothing on stdout" "" "$(cat "$WORK/run.out")"
contains "  ... the error names the call" "in call 2 (LerVeiculo) of $WORK/fails.json" "$(cat "$WORK/run.err")"
contains "  ... and the engine's complaint" "NAO_EXISTE" "$(cat "$WORK/run.err")"

cat >"$WORK/typo.json" <<'JSON'
[{"operation": "LerParametro", "params": {"pfEmpresa": 1, "pfRevenda": 1}},
 {"operation": "LerVeicolo", "params": {}}]
JSON
bad_input "run with an unknown operation" run "$WORK/typo.json" --database "$DB" --sql-log "$WORK/typo.log"
contains "  ... names the call and the closest operation" "call 2: unknown operation 'LerVeicolo'; did you mean LerVeiculo?" "$err"
check "  ... sends no SQL (no log written)" "no" "$([ -e "$WORK/typo.log" ] && echo yes || echo no)"

printf '{"operation": "LerParametro"}' >"$WORK/object.json"
bad_input "a script that is not an array" run "$WORK/object.json" --database "$DB"
printf '[{"operation": "LerParametro", "parms": {}}]' >"$WORK/key.json"
bad_input "a call with an unknown key" run "$WORK/key.json" --database "$DB"
contains "  ... names the key" 'unknown key "parms"' "$err"
printf '[{"operation": "LerParametro", "params": {"pfEmpresa": 1.5, "pfRevenda": 1}}]' >"$WORK/float.json"
bad_input "a JSON float for an integer" run "$WORK/float.json" --database "$DB"
contains "  ... names the parameter" "parameter pfEmpresa: '1.5' is not an integer" "$err"
printf '[{"operation": "LerParametro"' >"$WORK/broken.json"
bad_input "a script that is not JSON" run "$WORK/broken.json" --database "$DB"
bad_input "a script that does not exist" run "$WORK/none.json" --database "$DB"

# --- --sql-log and --rollback ----------------------------------------------
"$VEICULO" call LerParametro pfEmpresa=1 pfRevenda=1 --database "$DB" --sql-log "$WORK/sql.log" >/dev/null
check "--sql-log writes the two parameter queries, one per line" \
  "select * from VEI_PARAMETRO where EMPRESA = :Empresa and REVENDA = :Revenda
select * from GER_REVENDA where EMPRESA = :Empresa and REVENDA = :Revenda" "$(cat "$WORK/sql.log")"
"$VEICULO" call PermissaoFuncao pfUsuario=0 pfFuncao=1 --database "$DB" --sql-log "$WORK/sql.log" >/dev/null
check "user 0 sends no SQL: the log is unchanged" 2 "$(wc -l <"$WORK/sql.log" | tr -d ' ')"
"$VEICULO" call BuscaMarca pfEmpresa=1 pfRevenda=1 --database "$DB" --sql-log "$WORK/sql.log" >/dev/null
check "a second call appends" 3 "$(wc -l <"$WORK/sql.log" | tr -d ' ')"

call SetiPvUsuario value=7 --rollback
check "--rollback succeeds" 0 "$rc"
contains "  ... and prints the call" '"iPvUsuario":7,' "$out"

# --- the error exits ------------------------------------------------------
bad_input "unknown operation" call LerVeiclo pfEmpresa=1 --database "$DB"
check "  ... names the closest" "veiculo: unknown operation 'LerVeiclo'; did you mean LerVeiculo?" "$err"
bad_input "unknown operation, nothing close" call Xyzzy --database "$DB"
contains "  ... points to the list" "call --list" "$err"
bad_input "missing parameter" call LerParametro pfEmpresa=1 --database "$DB"
check "  ... names it with its type" "veiculo: LerParametro: missing parameter pfRevenda (integer)" "$err"
bad_input "unknown parameter" call LerParametro pfEmpresa=1 pfRevenda=1 pfFilial=2 --database "$DB"
check "  ... names it and the known ones" \
  "veiculo: LerParametro: unknown parameter 'pfFilial'; it takes pfEmpresa, pfRevenda" "$err"
bad_input "a parameter given twice" call LerParametro pfEmpresa=1 pfRevenda=1 PFEMPRESA=2 --database "$DB"
bad_input "not NAME=VALUE" call LerParametro pfEmpresa --database "$DB"
bad_input "integer of the wrong type" call LerParametro pfEmpresa=um pfRevenda=1 --database "$DB"
check "  ... says what the value is not" "veiculo: LerParametro: parameter pfEmpresa: 'um' is not an integer" "$err"
bad_input "integer out of range" call LerParametro pfEmpresa=2147483648 pfRevenda=1 --database "$DB"
bad_input "double with a comma" call SetdPbValorVenda value=1234,56 --database "$DB"
bad_input "boolean other than true/false" call LerVeiculo pfEmpresa=1 pfVeiculo=V1001 pfUtilizaFindKey=sim --database "$DB"
bad_input "a date that does not exist" call SettPvDataProcessamento value=2025-02-29 --database "$DB"
bad_input "a date in local form" call SettPvDataProcessamento value=31/01/2025 --database "$DB"
bad_input "a packet that is not JSON" call LerVeiculoServer pfEmpresa=1 pfVeiculo=V1001 'pcdsVeiculo={x' pfUtilizaFindKey=true --database "$DB"
bad_input "a packet file that does not exist" call LerVeiculoServer pfEmpresa=1 pfVeiculo=V1001 "pcdsVeiculo=@$WORK/none.json" pfUtilizaFindKey=true --database "$DB"
bad_input "the host's connection given" call AtribuiConexao pfConexao=x --database "$DB"
bad_input "a database that does not exist" call LerParametro pfEmpresa=1 pfRevenda=1 --database "$WORK/none.fdb" --sql-log "$WORK/none.log"
check "  ... names the file" "veiculo: database file $WORK/none.fdb does not exist" "$err"
check "  ... leaves no database and no log behind" "no no" \
  "$([ -e "$WORK/none.fdb" ] && echo yes || echo no) $([ -e "$WORK/none.log" ] && echo yes || echo no)"
bad_input "no database" call LerParametro pfEmpresa=1 pfRevenda=1
bad_input "an option the command does not know" call LerParametro --bogus --database "$DB"

# Valid values of each kind pass.
call SettPvDataProcessamento value=2025-03-07T14:30:05
contains "a date-time value comes back as given" '"tPvDataProcessamento":"2025-03-07T14:30:05"' "$out"
call SetdPbValorVenda value=-1.5e3
contains "a double with an exponent" '"dPbValorVenda":-1500.0,' "$out"
printf '{"fields":[{"name":"A","type":"integer"}],"rows":[{"A":1}]}' >"$WORK/packet.json"
call LerVeiculoServer pfEmpresa=1 pfVeiculo=NAO-EXISTE "pcdsVeiculo=@$WORK/packet.json" pfUtilizaFindKey=true
contains "a packet from a file is accepted" '"result":false' "$out"

# A database error inside the operation: status 1, the engine's message.
cp "$DB" "$WORK/broken.fdb"
printf 'drop table GER_FUNCAO_USUARIO;\ncommit;\n' | isql-fb -q -user SYSDBA "$WORK/broken.fdb"
"$VEICULO" call PermissaoFuncao pfUsuario=1 pfFuncao=101 --database "$WORK/broken.fdb" \
  >"$WORK/db.out" 2>"$WORK/db.err"; rc=$?
check "a database error inside the operation exits 1" 1 "$rc"
check "  ... nothing on stdout" "" "$(cat "$WORK/db.out")"
contains "  ... the error on stderr" "database error" "$(cat "$WORK/db.err")"
contains "  ... with the SQL sent" "GER_FUNCAO_USUARIO" "$(cat "$WORK/db.err")"

# --- demo -------------------------------------------------------------------
out=$("$VEICULO" demo --database "$DB" 2>&1); rc=$?
check "demo succeeds" 0 "$rc"
contains "demo shows the dealer" "Dealer 1/1: Centro Automotivo Paulista" "$out"
contains "demo shows PIS + COFINS" "9,25 % (1,65 % + 7,60 %)" "$out"
contains "demo shows the brand" "brand (BuscaMarca)             RENA" "$out"
contains "demo shows the public price" "R\$ 83.240,00" "$out"
contains "demo shows the formula and payment index" "NOVOS, payment index 3" "$out"
contains "demo shows the formula lines" "Custo financeiro do estoque" "$out"
lacks "demo prints no raw JSON" '{"' "$out"

[ "$failures" -eq 0 ]
