#!/bin/sh
# The desired-profit price and the minimum price through `veiculo call` on the
# demo database, under a formula of the test's own.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

sql() {  # sql TEXT : a statement on the demo database; fails the check when refused
  out=$("$VEICULO" sql -d "$DB" "$1" 2>&1); rc=$?
  check "sql: $1" 0 "$rc"
  contains "sql: $1: one row" "1 row" "$out"
}

call() {  # call OPERATION ARGS... : stdout in $out, stderr in $err, exit status in $rc
  out=$("$VEICULO" call "$@" --database "$DB" 2>"$WORK/call.err"); rc=$?
  err=$(cat "$WORK/call.err")
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# V1004 (model HATCH16) without public price, freight, insurance, paint or
# optionals starts from its purchase value, 50,000.00. Formula PRECOT: a cost
# of 40,000.00 and 5 % of the sale value, both in the total cost.
sql "update VEI_MODELO set PRECO_PUBLICO = 0, FRETE_VENDA = 0, VAL_SEGURO = 0, VAL_PINTURA_S = 0, VAL_PINTURA_M = 0, VAL_PINTURA_P = 0, VAL_PINTURA_E = 0 where EMPRESA = 1 and MODELO = 'HATCH16'"
sql "update VEI_PARAMETRO set IMPRIME_VALOR_OPCIONAIS_REL = 'N' where EMPRESA = 1 and REVENDA = 1"
sql "update VEI_VEICULO set FORMULA = 'PRECOT', VAL_COMPRA = 50000 where EMPRESA = 1 and VEICULO = 'V1004'"
sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, VALOR_FIXO, CUSTO_TOTAL) values (1, 'PRECOT', 1, 'N', 'A', '*', 40000, '+')"
sql "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, INCIDENCIA, PERCENTUAL, CUSTO_TOTAL) values (1, 'PRECOT', 2, 'N', 'A', 'V', 5, '+')"

price() {  # price PERCENTAGE : the desired-profit price of V1004, historic total cost
  call CalculaValorCfeLucroDesejado PEmpresa=1 PRevenda=1 PVeiculo=V1004 PRentabilidade=L \
    PValorizacao=H PPercentual="$1" PDataProcessamento=2025-03-14 PUsaPrecoEdicao=false \
    PUsaPrecoPacote=false pPassouCds=false
}

# 20 %: S and the reached % pass by pass (cost 40,000 + 5 % of S):
#   50,000 15.00 | 52,500 18.81 | 53,124.75 19.71 | 53,278.81 19.92 |
#   53,321.43 19.98 | 53,332.10 20.00 (cost 42,666.60, profit 10,665.49).
price 20
check "a reachable percentage: exit 0" 0 "$rc"
contains "the price in whole units" '"result":53332.0' "$out"
contains "the total cost" '"CV_Custo_Total_H":42667.0' "$out"
contains "the total cost in cents" '"CVd_Custo_Total_H":42666.6' "$out"
contains "the profit in cents" '"CVd_Lucro_H":10665.49' "$out"
contains "the profit percentage" '"CVd_Per_Lucro_H":20.0' "$out"
check "no progress message" "" "$err"

# 99 % is out of reach (the % tends to 95): a price still comes back, with
# the error message on stderr.
price 99
check "an unreachable percentage: exit 0" 0 "$rc"
contains "the error message on stderr" \
  "mtError#\$#[Erro 2301] Não foi possível calcular um valor de venda para alcançar o lucro desejado." \
  "$err"

call CalculaValorCfeLucroDesejado PEmpresa=1 PRevenda=1 PVeiculo=V1004 PRentabilidade=Q \
  PValorizacao=H PPercentual=10 PDataProcessamento=2025-03-14 PUsaPrecoEdicao=false \
  PUsaPrecoPacote=false pPassouCds=false
contains "an unknown measure is refused" 'PRentabilidade must be "L", "B" or "M", not "Q"' "$err"

call AtualizaPrecoMinimo pfBancoDados=INTERBASE pfEmpresa=1 pfModelo=HATCH16 pfValMinimo=70000.5
check "minimum price: exit 0" 0 "$rc"
contains "minimum price: its status" '"result":"OK|Preço mínimo de comercialização atualizado com sucesso."' "$out"
check "the new vehicle in stock takes it" '[{"PRECO_MINIMO_COMERCIALIZACAO":70000.5}]' \
  "$("$VEICULO" sql -d "$DB" "select PRECO_MINIMO_COMERCIALIZACAO from VEI_VEICULO where EMPRESA = 1 and VEICULO = 'V1004'" | sed -n 's/.*"rows":\(\[.*\]\)}$/\1/p')"

[ "$failures" -eq 0 ]
