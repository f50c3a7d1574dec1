#!/bin/sh
# `veiculo custo --todos` costs every vehicle of a dealer in one module
# instance: what one vehicle's costing leaves behind (an imported vehicle's
# PIS/COFINS rate, a band's fixed amount) must not reach the next vehicle nor
# the vehicle's own accounting cost; a vehicle that cannot be read is named
# with the row it lacks, and failures are counted alike everywhere.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

sql() {  # sql TEXT : a statement on the demo database; fails the check when refused
  out=$("$VEICULO" sql -d "$DB" "$1" 2>&1); rc=$?
  check "sql: $1" 0 "$rc"
  contains "sql: $1: one row" "1 row" "$out"
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# Dealer 7 of company 1: PIS 1.65 + COFINS 7.6 = 9.25 %.
sql "insert into GER_REVENDA (EMPRESA, REVENDA, NOME_FANTASIA, PCT_PIS, PCT_COFINS) values (1, 7, 'Loja 7', 1.65, 7.6)"
sql "insert into VEI_PARAMETRO (EMPRESA, REVENDA, VAL_VEICULO_C_R) values (1, 7, '1')"
# Formula ISOLA: 1 the PIS/COFINS of the sale, in the total cost and the
# accounting cost; 2 (last) an amount in the total cost only, 500.00 from its
# band when the historic profit after line 1 lies between 85 and 89 %.
sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, CUSTO_TOTAL, CUSTO_CONTABIL, DES_LINHA_FORMULA) values (1, 'ISOLA', 1, 'N', 'A', 'I', '+', '+', 'PIS COFINS')"
sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, CUSTO_TOTAL, DES_LINHA_FORMULA) values (1, 'ISOLA', 2, 'N', 'A', '*', '+', 'Faixa')"
sql "insert into VEI_FORMULA_LINHA_PER (EMPRESA, FORMULA, LINHA_FORMULA, LIMITE_INICIAL, LIMITE_FINAL, BASE_REFERENCIA, HISTORICO_PRESENTE, VAL_FORMULA) values (1, 'ISOLA', 2, 85, 89, 'L', 'H', 500)"
# CUSTA1 (costed first) is imported at PIS 2.1 + COFINS 9.65 = 11.75 %;
# CUSTA2 is not. Both are sold by a credit notice for 100,000.00.
for v in CUSTA1 CUSTA2; do
  sql "insert into OFI_FICHA_SEGUIMENTO (CHASSI, EMPRESA) values ('CH$v', 1)"
  sql "insert into VEI_VEICULO (EMPRESA, VEICULO, MODELO, CHASSI, REVENDA_ORIGEM, SITUACAO, NOVO_USADO, FORMULA, NOTIFICACAO_CREDITO, VAL_COMPRA, VAL_COMISSAO_CONCESSIONARIA) values (1, '$v', 'HATCH10', 'CH$v', 7, 'ESTOQUE', 'N', 'ISOLA', 'NC1', 100000, 0)"
done
sql "update VEI_VEICULO set PCT_PIS_IMPORTA = 2.1, PCT_COFINS_IMPORTA = 9.65 where VEICULO = 'CUSTA1'"

custo --revenda 7 --todos --data 2025-03-14
check "custo --todos succeeds" 0 "$rc"
check "both vehicles costed" "Costed 2 of 2 vehicles of dealer 1/7 as of 14/03/2025" \
  "$(printf '%s\n' "$out" | head -1 | sed 's/ in .*//')"
# CUSTA1: 1 100,000 x 11.75 % = 11,750.00; the historic profit is then
# (100,000 - 11,750) / 100,000 = 88.25 %, in the band: 2 is 500.00.
# CUSTA2: 1 100,000 x 9.25 % = 9,250.00 at the dealer's rate; the profit
# 90.75 % is out of the band: 2 is 0.
check "each vehicle taxed at its own rate, the band amount on its own line" \
  '[{"VEICULO":"CUSTA1","LINHA_FORMULA":1,"VAL_HISTORICO":11750.0},{"VEICULO":"CUSTA1","LINHA_FORMULA":2,"VAL_HISTORICO":500.0},{"VEICULO":"CUSTA2","LINHA_FORMULA":1,"VAL_HISTORICO":9250.0},{"VEICULO":"CUSTA2","LINHA_FORMULA":2,"VAL_HISTORICO":0.0}]' \
  "$(query "select VEICULO, LINHA_FORMULA, VAL_HISTORICO from VEI_VEICULO_CUSTEIO where EMPRESA = 1 and FORMULA = 'ISOLA' order by VEICULO, LINHA_FORMULA")"
# The accounting cost is line 1 alone: 11,750.00 and 9,250.00.
check "the accounting cost of each vehicle is its own line 1" \
  '[{"VEICULO":"CUSTA1","VAL_CUSTO_CONTABIL":11750.0},{"VEICULO":"CUSTA2","VAL_CUSTO_CONTABIL":9250.0}]' \
  "$(query "select VEICULO, VAL_CUSTO_CONTABIL from VEI_VEICULO where EMPRESA = 1 and REVENDA_ORIGEM = 7 order by VEICULO")"

# The host's mode that loads every formula's lines at once (a query without
# parameters): the accounting cost of CUSTA2 still counts ISOLA's lines only,
# 100,000 x 9.25 % = 9,250.00, whatever lines 1 and 2 of other formulas sign.
sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, CUSTO_CONTABIL, DES_LINHA_FORMULA) values (1, 'OUTRA', 1, 'N', 'A', 'I', '+', 'PIS COFINS')"
cat >"$WORK/todas.json" <<'JSON'
[{"operation": "AlteraCommandText", "params": {"pNomeCds": "cdsFormulaLinha",
   "pCommandText": "select * from VEI_FORMULA_LINHA order by EMPRESA, FORMULA, LINHA_FORMULA"}},
 {"operation": "LerParametro", "params": {"pfEmpresa": 1, "pfRevenda": 7}},
 {"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "CUSTA2", "pfUtilizaFindKey": true}},
 {"operation": "SetdPbValorVenda", "params": {"value": 100000}},
 {"operation": "CalculaCustoContabil", "params": {"PEmpresa": 1, "PRevenda": 7, "PVeiculo": "CUSTA2",
   "PFormula": "ISOLA", "PDataProcessamento": "2025-03-14", "PTipo": "C"}}]
JSON
out=$("$VEICULO" run "$WORK/todas.json" --database "$DB" 2>&1); rc=$?
check "the session with every formula's lines succeeds" 0 "$rc"
contains "its accounting cost counts ISOLA's lines only" \
  '{"operation":"CalculaCustoContabil","result":9250.0' "$out"

# Two vehicles that cannot be read: CUSTA3's model has no row, CUSTA4's
# chassis has no follow-up record. Both are named with what they lack; the
# progress line, the summary and the final error count the same 2 failures.
sql "insert into OFI_FICHA_SEGUIMENTO (CHASSI, EMPRESA) values ('CHCUSTA3', 1)"
sql "insert into VEI_VEICULO (EMPRESA, VEICULO, MODELO, CHASSI, REVENDA_ORIGEM, SITUACAO, FORMULA) values (1, 'CUSTA3', 'SEMMODELO', 'CHCUSTA3', 7, 'ESTOQUE', 'ISOLA')"
sql "insert into VEI_VEICULO (EMPRESA, VEICULO, MODELO, CHASSI, REVENDA_ORIGEM, SITUACAO, FORMULA) values (1, 'CUSTA4', 'HATCH10', 'SEMFICHA', 7, 'ESTOQUE', 'ISOLA')"
custo --revenda 7 --todos --data 2025-03-14
check "vehicles that fail fail the command" 1 "$rc"
check "the missing model row is named" \
  "vehicle CUSTA3 not costed: not found error: CalculoCustoVeiculo: vehicle 'CUSTA3' of company 1 cannot be read: its model 'SEMMODELO' has no row in VEI_MODELO" \
  "$(printf '%s\n' "$err" | grep 'CUSTA3 not costed')"
check "the missing follow-up record is named" \
  "vehicle CUSTA4 not costed: not found error: CalculoCustoVeiculo: vehicle 'CUSTA4' of company 1 cannot be read: its chassis 'SEMFICHA' has no follow-up record in OFI_FICHA_SEGUIMENTO" \
  "$(printf '%s\n' "$err" | grep 'CUSTA4 not costed')"
check "the progress line counts the vehicles costed" "costed 2 of 4 vehicles (2 failed)" \
  "$(printf '%s\n' "$err" | grep '^costed')"
check "the summary counts the same" "Costed 2 of 4 vehicles of dealer 1/7 as of 14/03/2025" \
  "$(printf '%s\n' "$out" | head -1 | sed 's/ in .*//')"
check "and so does the final error" "veiculo: database error: 2 of 4 vehicles could not be costed" \
  "$(printf '%s\n' "$err" | tail -1)"

[ "$failures" -eq 0 ]
