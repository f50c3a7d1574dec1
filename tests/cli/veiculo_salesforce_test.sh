#!/bin/sh
# `veiculo salesforce carga` and the CRM staging entry points through
# `veiculo call` on the demo database: the online load with its progress,
# the load files, bad input refused before the database is touched, and a
# refused order operation rolled back.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

carga() {  # carga ARGS... : stdout in $out, stderr in $err, status in $rc
  out=$("$VEICULO" salesforce carga --database "$DB" "$@" 2>"$WORK/carga.err"); rc=$?
  err=$(cat "$WORK/carga.err")
}
sql() { "$VEICULO" sql -d "$DB" "$1" 2>&1; }

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"
sql "insert into REN_PARAMETRO (EMPRESA, REVENDA, NUMERO_DN) values (1, 1, 12345)" >/dev/null

# Dealer 1's new vehicles in stock are V1001, V1002 and V1004 (V1006 is
# used, V1003 and V1005 belong to dealer 2); V1002 is promised in proposal
# 5001 (situation 2): allocated, 'A'.
carga --empresa 1 --revenda 1 --data 2025-03-14
check "the online load succeeds" 0 "$rc"
contains "three rows written" "3 stock staging rows written for company 1 dealer 1 (3 vehicles in" "$out"
contains "progress on stderr" "priced 3 of 3 vehicles" "$err"
rows=$(sql "select CHASSI, STATUS, NUMERO_DN, STATUS_ENVIO from REN_SALES_ESTOQUE order by CHASSI")
contains "V1001 in stock" '{"CHASSI":"9ZXHB10L0SB104311","STATUS":"D","NUMERO_DN":7612345,"STATUS_ENVIO":"P"}' "$rows"
contains "V1002 allocated" '{"CHASSI":"9ZXSV13T0SB208544","STATUS":"A"' "$rows"
contains "V1004 in stock" '{"CHASSI":"9ZXHB16N0SB155873","STATUS":"D"' "$rows"
lacks "no used vehicle" "9ZXHB10L0NB001587" "$rows"

# The files: a header of the record's names, then one record a vehicle; the
# database is left as it was.
carga --empresa 1 --revenda 1 --data 2025-03-14 --arquivo "$WORK/estoque.csv" --clientes "$WORK/clientes.csv"
check "the file loads succeed" 0 "$rc"
contains "files named" "3 vehicles written to $WORK/estoque.csv; 0 customers written to $WORK/clientes.csv" "$out"
check "stock header" "Chassi,Modelo,AnoFabricacao,AnoModelo,Cor,Opcionais,DataEntradanoEstoque,Preco,Status,DataUltimaAtualizacao,ValidadedaReserva" \
  "$(head -1 "$WORK/estoque.csv" | tr -d '\r')"
check "three stock records" 4 "$(wc -l < "$WORK/estoque.csv" | tr -d ' ')"
check "V1002's record" "9ZXSV13T0SB208544,SUV13T,01/01/2024,01/01/2025,Branco Perolizado,,17/01/2025" \
  "$(sed -n 3p "$WORK/estoque.csv" | cut -d, -f1-7)"
check "customer header" "Nome,Sobrenome,CPF,Telefone,Endereco,Cidade,Estado,CEP" "$(tr -d '\r' < "$WORK/clientes.csv")"
check "files write no staging rows" 3 \
  "$(sql "select count(*) N from REN_SALES_ESTOQUE" | sed 's/.*"N":\([0-9]*\).*/\1/')"

# Bad input: refused before the database is touched.
carga --empresa 1 --revenda x
check "a dealer that is not a number" 2 "$rc"
carga --empresa 1 --revenda 1 --data 2025-02-30
check "a date that does not exist" 2 "$rc"
contains "names the option" "--data '2025-02-30' is not a date" "$err"
carga --empresa 1
check "the dealer is required" 2 "$rc"
carga --empresa 1 --revenda 1 --arquivo "$WORK/no/such/folder/e.csv"
check "a folder that does not exist" 1 "$rc"
contains "names the file" "e.csv" "$err"

# The entry points through `veiculo call`: an unlisted stock text means "in
# stock"; a misspelt order operation is refused and nothing is kept.
out=$("$VEICULO" call SalesAtualizaEstoque Empresa=1 Revenda=1 Veiculo=V1001 Operacao=qualquer \
  DataProcessamento=2025-03-14 --database "$DB" 2>&1); rc=$?
check "SalesAtualizaEstoque succeeds" 0 "$rc"
check "a fourth row, in stock" 2 \
  "$(sql "select count(*) N from REN_SALES_ESTOQUE where CHASSI = '9ZXHB10L0SB104311' and STATUS = 'D'" | sed 's/.*"N":\([0-9]*\).*/\1/')"
out=$("$VEICULO" call SalesAtualizaPedido Empresa=1 Revenda=1 Proposta=5001 Operacao=cancela \
  --database "$DB" 2>&1); rc=$?
check "a misspelt order operation fails" 1 "$rc"
contains "and says why" "Operacao 'cancela' is not Faturar, Enviado or Cancelar" "$out"
check "the reservation is kept" 0 \
  "$(sql "select count(*) N from VEI_VEICULO where RESERVADO = 'N' and VEICULO = 'V1002'" | sed 's/.*"N":\([0-9]*\).*/\1/')"
list=$("$VEICULO" call --list)
for op in AtualizaSalesforce ProcessaSalesForce ProcCanSalesForce SalesAtualizaEstoque \
  SalesAtualizaPedido SalesAtualizaReserva SalesGeraCargaEstoqueOnline; do
  contains "$op is listed" "$op" "$list"
done

[ "$failures" -eq 0 ]
