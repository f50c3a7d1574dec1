#!/bin/sh
# `veiculo custo` and the vehicle cost calls on the demo database: one vehicle under a
# formula of the test's own, every vehicle in stock, a failing vehicle, bad input.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

sql() {  # sql TEXT : a statement on the demo database; fails the check when refused
  out=$("$VEICULO" sql -d "$DB" "$1" 2>&1)
  contains "sql: $1" " affected" "$out"
}

squeezed() {  # the lines of $out that contain $1, blanks squeezed
  printf '%s\n' "$out" | grep -F -- "$1" | tr -s ' '
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# V1004 under formula CUSTOT, sold by its credit notice for 50,000 + 0:
# 1 the sale value (no totals); 2 a fixed fee of 1,000 (every total);
# 3 the management's 10 % of the profit: (50,000 - 1,000) x 10 % = 4,900.
sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, DES_LINHA_FORMULA) values (1, 'CUSTOT', 1, 'N', 'A', 'V', 'Valor de venda')"
sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, VALOR_FIXO, CUSTO_TOTAL, LUCRO_BRUTO, MARGEM_CONTRIBUICAO, CUSTO_CONTABIL, DES_LINHA_FORMULA) values (1, 'CUSTOT', 2, 'N', 'A', '*', 1000, '+', '+', '+', '+', 'Taxa fixa')"
sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, PERCENTUAL, CUSTO_TOTAL, DES_LINHA_FORMULA) values (1, 'CUSTOT', 3, 'N', 'A', 'K', 10, '+', 'Participacao')"
sql "update VEI_VEICULO set FORMULA = 'CUSTOT', NOTIFICACAO_CREDITO = 'NC9', VAL_COMPRA = 50000, VAL_COMISSAO_CONCESSIONARIA = 0 where EMPRESA = 1 and VEICULO = 'V1004'"

custo --veiculo V1004 --data 2025-03-14
check "custo --veiculo succeeds" 0 "$rc"
check "it reports one vehicle costed" "Costed 1 of 1 vehicles of dealer 1/1 as of 14/03/2025" \
  "$(printf '%s\n' "$out" | head -1 | sed 's/ in .*//')"
check "the costing table's title" "Costing of vehicle V1004 for a sale value of R\$ 50.000,00" \
  "$(squeezed 'Costing of')"
check "line 1: the sale value, in no total" " 1 Valor de venda . . . 50.000,00 50.000,00" \
  "$(squeezed 'Valor de venda')"
check "line 2: the fixed fee, in every total" " 2 Taxa fixa + + + 1.000,00 1.000,00" \
  "$(squeezed 'Taxa fixa')"
check "line 3: 10 % of the profit" " 3 Participacao + . . 10,00 4.900,00 4.900,00" \
  "$(squeezed 'Participacao')"
# Cost 1,000 + 4,900 = 5,900; profit 50,000 - 5,900 = 44,100 (88.20 %);
# gross and managerial profit 50,000 - 1,000 = 49,000 (98 %); the stored
# present sale value is the same 50,000.
check "summary: cost" " Cost 5.900,00 5.900,00" "$(squeezed ' Cost ')"
check "summary: profit" " Profit 44.100,00 (88,20 %) 44.100,00 (88,20 %)" "$(squeezed ' Profit ')"
check "summary: managerial profit" " Managerial profit 49.000,00 (98,00 %) 49.000,00 (98,00 %)" \
  "$(squeezed 'Managerial profit')"
check "the costing is committed" \
  '[{"LINHA_FORMULA":1,"VAL_HISTORICO":50000.0,"VAL_PRESENTE":50000.0},{"LINHA_FORMULA":2,"VAL_HISTORICO":1000.0,"VAL_PRESENTE":1000.0},{"LINHA_FORMULA":3,"VAL_HISTORICO":4900.0,"VAL_PRESENTE":4900.0}]' \
  "$(query "select LINHA_FORMULA, VAL_HISTORICO, VAL_PRESENTE from VEI_VEICULO_CUSTEIO where EMPRESA = 1 and VEICULO = 'V1004' order by LINHA_FORMULA")"
# Accounting cost: line 2 only (the fixed fee), no adjustments.
check "present sale value and accounting cost stored" \
  '[{"VAL_PRESENTE_VENDA":50000.0,"VAL_CUSTO_CONTABIL":1000.0}]' \
  "$(query "select VAL_PRESENTE_VENDA, VAL_CUSTO_CONTABIL from VEI_VEICULO where EMPRESA = 1 and VEICULO = 'V1004'")"

# The same for scripts. --csv: the lines, then the summary figures, amounts
# with a point; --json: the run and the costing in one object.
custo --veiculo V1004 --data 2025-03-14 --csv
check "custo --csv" "0 veiculo,sequencia,descricao,custo_total,lucro_bruto,margem_contribuicao,percentual,historico,presente
V1004,1,Valor de venda,,,,,50000.00,50000.00
V1004,2,Taxa fixa,+,+,+,,1000.00,1000.00
V1004,3,Participacao,+,,,10,4900.00,4900.00
V1004,,Custo,,,,,5900.00,5900.00
V1004,,Lucro,,,,88.2,44100.00,44100.00
V1004,,Lucro Bruto,,,,98,49000.00,49000.00
V1004,,Lucro Gerencial,,,,98,49000.00,49000.00" "$rc $out"
custo --veiculo V1004 --data 2025-03-14 --json
check "custo --json: one line" "0 1" "$rc $(printf '%s\n' "$out" | wc -l)"
contains "  ... the run" '{"empresa":1,"revenda":1,"data":"2025-03-14","vehicles":1,"costed":1,"failed":0,"seconds":' "$out"
contains "  ... the costing's lines" '"costing":{"veiculo":"V1004","valor_venda":50000.0,"lines":[{"sequencia":1,"descricao":"Valor de venda","custo_total":"","lucro_bruto":"","margem_contribuicao":"","percentual":null,"historico":50000.0,"presente":50000.0},' "$out"
contains "  ... and its summary" '"summary":{"custo":{"historico":5900.0,"presente":5900.0},"lucro":{"historico":44100.0,"presente":44100.0,"percentual_historico":88.2,"percentual_presente":88.2},"lucro_bruto":{"historico":49000.0,' "$out"
custo --veiculo V1004 --json --csv
check "--json with --csv: status 2" 2 "$rc"

# The demo formula shows the vehicle's cost on its first line: V1001's entry
# invoice, 64.790,00 of goods + 4.535,30 IPI + 1.180,00 + 96,50 + 1.814,00 =
# 72.415,80. With it the cost is
#   72.415,80 + 7.815,33 PIS/COFINS + 550,00 expenses + 675,92 commission
#   - 2.300,00 - 1.000,00 bonuses - 1.324,30 subsidy + 266,48 management share
#   = 77.099,23,
# and the profit on the sale of 84.490,00 is 7.390,77, 8,75 %.
custo --veiculo V1001 --data 2025-03-14
contains "the demo's cost line" " 1 Custo do veículo (nota de entrada) + - - 72.415,80 " \
  "$(squeezed 'Custo do veículo')"
check "  ... counted in the cost" "77.099,23" "$(squeezed ' Cost ' | cut -d' ' -f3)"
check "  ... a dealer's usual margin" "7.390,77 (8,75 %)" "$(squeezed ' Profit ' | cut -d' ' -f3-5)"

# The same through `veiculo call`.
out=$("$VEICULO" call CalculoCustoVeiculo pfBancoDados=INTERBASE pfVeiculo=V1004 \
  pfDataRef=2025-03-14 pfEmpresa=1 pfRevenda=1 pfProposta=0 pfNegociacao=0 --database "$DB" 2>&1); rc=$?
check "call CalculoCustoVeiculo succeeds" 0 "$rc"
check "call CalculoCustoVeiculo answers OK|" '"result":"OK|"' \
  "$(printf '%s\n' "$out" | grep -o '"result":"[^"]*"')"
out=$("$VEICULO" call CalculaCustoContabil PEmpresa=1 PRevenda=1 PVeiculo=V1004 PFormula=CUSTOT \
  PDataProcessamento=2025-03-14 PTipo=C --database "$DB" 2>&1); rc=$?
check "call CalculaCustoContabil gives the fixed fee" '"result":1000.0' \
  "$(printf '%s\n' "$out" | grep -o '"result":[^,}]*')"
out=$("$VEICULO" call CalculaCustoContabil PEmpresa=1 PRevenda=1 PVeiculo=NOPE PFormula=CUSTOT \
  PDataProcessamento=2025-03-14 PTipo=C --database "$DB" 2>&1); rc=$?
check "call CalculaCustoContabil of an unknown vehicle fails" 1 "$rc"

# Bad input: refused with status 2 before anything is costed.
bad() {  # bad NAME EXPECTED-MESSAGE ARGS...
  name="$1"; message="$2"; shift 2
  custo "$@"
  check "$name: status 2" 2 "$rc"
  check "$name: message" "$message" "$err"
}
bad "an unknown vehicle" "veiculo: vehicle 'V404' does not exist in company 1" --veiculo V404
bad "an unknown dealer" "veiculo: dealer 1/9 does not exist" --revenda 9 --todos
bad "a date that does not exist" "veiculo: --data '2025-02-30' is not a date (YYYY-MM-DD)" \
  --veiculo V1004 --data 2025-02-30
bad "a date in another form" "veiculo: --data '14/03/2025' is not a date (YYYY-MM-DD)" \
  --veiculo V1004 --data 14/03/2025
bad "neither --veiculo nor --todos" "veiculo: give --veiculo V or --todos" --data 2025-03-14
bad "--mostra of a vehicle out of stock" \
  "veiculo: --mostra: vehicle 'V1003' is not in stock of dealer 1/1" --todos --mostra V1003
custo --veiculo V1004 --todos
check "--veiculo with --todos: status 2" 2 "$rc"
custo --veiculo V1004 --mostra V1004
check "--mostra without --todos: status 2" 2 "$rc"

# Every vehicle in stock of dealer 1, on a database with 200 synthetic
# vehicles more (100 of them at dealer 1): 104 vehicles, a progress line at
# 100 and at the end (stderr is not a terminal here). V9999 has no follow-up
# record, so it cannot be read: it fails alone and the command fails after
# costing the others.
DB="$WORK/stock.fdb"
out=$("$VEICULO" init-db "$DB" --demo --vehicles 200 2>&1); rc=$?
check "init-db --vehicles 200 succeeds" 0 "$rc"
custo --todos --data 2025-03-14 --mostra V1002
check "custo --todos succeeds" 0 "$rc"
check "progress lines" "costed 100 of 104 vehicles
costed 104 of 104 vehicles" "$err"
check "the costing shown is the one asked for" "Costing of vehicle V1002" \
  "$(squeezed 'Costing of' | sed 's/ for .*//')"
check "every vehicle in stock of dealer 1 has its costing" '[{"N":104}]' \
  "$(query "select count(distinct VEICULO) N from VEI_VEICULO_CUSTEIO where EMPRESA = 1")"

sql "insert into VEI_VEICULO (EMPRESA, VEICULO, MODELO, CHASSI, REVENDA_ORIGEM, SITUACAO, FORMULA) values (1, 'V9999', 'HATCH10', 'SEMFICHA', 1, 'ESTOQUE', 'NOVOS')"
sql "delete from VEI_VEICULO_CUSTEIO"
custo --todos --data 2025-03-14
check "a vehicle that fails fails the command" 1 "$rc"
check "the failure names the vehicle" \
  "vehicle V9999 not costed: not found error: CalculoCustoVeiculo: vehicle 'V9999' of company 1 cannot be read: its chassis 'SEMFICHA' has no follow-up record in OFI_FICHA_SEGUIMENTO" \
  "$(printf '%s\n' "$err" | grep 'V9999 not costed')"
check "and how many failed" "veiculo: database error: 1 of 105 vehicles could not be costed" \
  "$(printf '%s\n' "$err" | tail -1)"
check "the others stay costed" '[{"N":104}]' \
  "$(query "select count(distinct VEICULO) N from VEI_VEICULO_CUSTEIO where EMPRESA = 1")"

[ "$failures" -eq 0 ]
