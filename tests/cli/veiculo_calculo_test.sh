#!/bin/sh
# BuscaCalculoVeiculo through `veiculo call` on the demo database, over costing lines
# of V1001 under a formula of the test's own (CALC).
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

sql() {  # sql TEXT : a statement on the demo database; fails the check when refused
  out=$("$VEICULO" sql -d "$DB" "$1" 2>&1)
  contains "sql: $1" " affected" "$out"
}

calculo() {  # calculo VEHICLE SALE : `veiculo call BuscaCalculoVeiculo` in company 1
  out=$("$VEICULO" call BuscaCalculoVeiculo pfEmpresa=1 pfVeiculo="$1" pfValVenda="$2" \
    --database "$DB" 2>"$WORK/call.err"); rc=$?
}

summary() {  # the summary text the call returned
  printf '%s\n' "$out" | sed -n 's/^{"operation":"BuscaCalculoVeiculo","result":"\([^"]*\)".*/\1/p'
}

rows() {  # the rows of the pfCDSFormula packet in "out"
  printf '%s\n' "$out" | sed -n 's/.*"out":{"pfCDSFormula":{"fields":\[[^]]*\],"rows":\(\[[^]]*\]\).*/\1/p'
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# Formula CALC: 1 the purchase (every total), 2 the payment index (a "C" line,
# hidden), 3 the expenses (cost only), 4 a deleted line.
line() {  # line N TIPO STATUS COST GROSS MARGIN DESCRIPTION
  sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, CUSTO_TOTAL, LUCRO_BRUTO, MARGEM_CONTRIBUICAO, PERCENTUAL, DES_LINHA_FORMULA) values (1, 'CALC', $1, '$2', '$3', '1', $4, $5, $6, NULL, '$7')"
}
line 1 N A "'+'" "'+'" "'+'" "Nota de entrada"
line 2 C A "'+'" "'+'" "'+'" "Indice de pagamento"
line 3 N A "'+'" NULL NULL "Despesas"
line 4 N D "'+'" "'+'" "'+'" "Excluida"
sql "delete from VEI_VEICULO_CUSTEIO where EMPRESA = 1 and VEICULO = 'V1001'"
sql "update VEI_VEICULO set VAL_PRESENTE_VENDA = NULL where EMPRESA = 1 and VEICULO = 'V1001'"
custeio() {  # custeio LINE HISTORIC PRESENT
  sql "insert into VEI_VEICULO_CUSTEIO (EMPRESA, VEICULO, FORMULA, LINHA_FORMULA, PERCENTUAL, VAL_HISTORICO, VAL_PRESENTE) values (1, 'V1001', 'CALC', $1, NULL, $2, $3)"
}
custeio 1 70000 70000
custeio 2 500 500
custeio 3 10000 10500
custeio 4 9 9

# Sale 100000 and no stored present sale value: both bases at 100000.
# Cost h 70000 + 10000 = 80000, p 70000 + 10500 = 80500 (the "C" and the
# deleted lines do not count); profit 20000 (20 %) and 19500 (19.5 %); gross
# profit and managerial profit 100000 - 70000 = 30000 (30 %) on both bases.
calculo V1001 100000
check "BuscaCalculoVeiculo succeeds" 0 "$rc"
check "the summary of cost and profits" \
  "Custo;80.000,00 ;80.500,00 |Lucro (%);20,00 ;20.000,00 ;19,50 ;19.500,00 |Lucro Bruto;30,00 ;30.000,00 ;30,00 ;30.000,00 |Lucro Gerencial;30,00 ;30.000,00 ;30,00 ;30.000,00 |" \
  "$(summary)"
check "the lines come back in out, the C line leaving a gap and the deleted one none" \
  '[{"SEQUENCIA":1,"CUSTO_TOTAL":"+","LUCRO_BRUTO":"+","MARGEM_CONTRIBUICAO":"+","DES_LINHA_FORMULA":"Nota de entrada","PERCENTUAL":null,"VAL_HISTORICO":70000.0,"VAL_PRESENTE":70000.0},{"SEQUENCIA":3,"CUSTO_TOTAL":"+","LUCRO_BRUTO":null,"MARGEM_CONTRIBUICAO":null,"DES_LINHA_FORMULA":"Despesas","PERCENTUAL":null,"VAL_HISTORICO":10000.0,"VAL_PRESENTE":10500.0}]' \
  "$(rows)"

# A stored present sale value of 95000 is the present basis: profit
# 95000 - 80500 = 14500, 15.263 %; gross 95000 - 70000 = 25000, 26.316 %.
sql "update VEI_VEICULO set VAL_PRESENTE_VENDA = 95000 where EMPRESA = 1 and VEICULO = 'V1001'"
calculo V1001 100000
check "the stored present sale value is the present basis" \
  "Custo;80.000,00 ;80.500,00 |Lucro (%);20,00 ;20.000,00 ;15,26 ;14.500,00 |Lucro Bruto;30,00 ;30.000,00 ;26,32 ;25.000,00 |Lucro Gerencial;30,00 ;30.000,00 ;26,32 ;25.000,00 |" \
  "$(summary)"

calculo V9999 45000
check "with no cost and the whole sale as profit" \
  "Custo;0,00 ;0,00 |Lucro (%);100,00 ;45.000,00 ;100,00 ;45.000,00 |Lucro Bruto;100,00 ;45.000,00 ;100,00 ;45.000,00 |Lucro Gerencial;100,00 ;45.000,00 ;100,00 ;45.000,00 |" \
  "$(summary)"
check "and no lines" "[]" "$(rows)"

calculo V1001 abc
check "a sale value that is not a number fails as bad input (status 2)" 2 "$rc"
check "and names the parameter" \
  "veiculo: BuscaCalculoVeiculo: parameter pfValVenda: 'abc' is not a double (write it with \".\")" \
  "$(cat "$WORK/call.err")"

[ "$failures" -eq 0 ]
