#!/bin/sh
# `veiculo estoque` on the demo database: the stock list as a table, new and
# used, with the maker orders, valued (days in stock with their band), as CSV,
# through `veiculo call`, and bad input.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

estoque() {  # estoque ARGS... : stdout in $out, stderr in $err, status in $rc
  out=$("$VEICULO" estoque --database "$DB" "$@" 2>"$WORK/estoque.err"); rc=$?
  err=$(cat "$WORK/estoque.err")
}
line() {  # the line of $out that holds $1, blanks squeezed
  printf '%s\n' "$out" | grep -F -- "$1" | tr -s ' '
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# The six demo vehicles are in stock; the maker order only with --pedidos.
estoque --data 2025-03-14
check "estoque succeeds" 0 "$rc"
check "six rows" "6 rows of company 1 as of 14/03/2025" "$(printf '%s\n' "$out" | tail -1)"
estoque --data 2025-03-14 --usados
check "one used vehicle" "1 rows of company 1 as of 14/03/2025" "$(printf '%s\n' "$out" | tail -1)"
contains "it is V1006's chassis" "9ZXHB10L0NB001587" "$out"
estoque --data 2025-03-14 --novos --pedidos
check "five new vehicles and the order" "6 rows of company 1 as of 14/03/2025" \
  "$(printf '%s\n' "$out" | tail -1)"
lacks "no used vehicle" "9ZXHB10L0NB001587" "$out"
# The order of a Hatch 1.6 costs the model's 84.200,00.
check "the maker order" "1 Hatch 1.6 Intense CVT 9ZXHB16N0SB160001 84.200,00 0,00 0,00 0,00 PD" \
  "$(line 9ZXHB16N0SB160001)"

# Valued: V1006 (used) is priced at its dealer price 61.900,00 both as table
# price and sale value; its days run from the start of correction (its
# factory invoice, 14/09/2021) to 14/03/2025: 365 + 365 + 366 + 181 = 1277,
# the black band of the hatches (181 and more). V1001: 12/01/2025 to
# 14/03/2025 = 19 + 28 + 14 = 61 days, grey (61 to 90).
estoque --data 2025-03-14 --usados --valorizar --csv "$WORK/estoque.csv"
check "valued list succeeds" 0 "$rc"
check "V1006 valued" "1 Hatch 1.0 Life Manual 9ZXHB10L0NB001587 1277 preto 0,00 61.900,00 61.900,00 0,00 C D" \
  "$(line 9ZXHB10L0NB001587)"
contains "progress on stderr" "valued 1 of 1 rows" "$err"
estoque --data 2025-03-14 --valorizar
check "V1001 is 61 days in stock, grey" "61 cinza" "$(line 9ZXHB10L0SB104311 | cut -d' ' -f7-8)"

# The CSV: a header with every column of the packet, then the row.
check "CSV has a header and one row" 2 "$(wc -l < "$WORK/estoque.csv" | tr -d ' ')"
header=$(head -1 "$WORK/estoque.csv")
check "CSV header starts with the value columns" "VENDA;BONUS;PRECO_TABELA;EST_MEDIO;EMPRESA;REVENDA" \
  "$(printf '%s' "$header" | cut -d';' -f1-6)"
check "CSV header has every column" 104 "$(printf '%s\n' "$header" | awk -F';' '{print NF}')"
check "CSV row carries the values" "61900;0;61900;1277;1;1" "$(sed -n 2p "$WORK/estoque.csv" | cut -d';' -f1-6)"

# For scripts: --json prints the company, the date and the list as a data
# packet instead of the table (the same V1006 row, 1277 days).
estoque --data 2025-03-14 --usados --valorizar --json
check "estoque --json succeeds" 0 "$rc"
contains "the company, date and count" '{"empresa": 1, "data": "2025-03-14", "valorizada": true, "linhas": 1, "lista": {' "$out"
contains "the row's days in stock" '1277' "$out"
lacks "no table" "rows of company" "$out"
check "one JSON line" 1 "$(printf '%s\n' "$out" | wc -l | tr -d ' ')"

# The same list through `veiculo call`.
out=$("$VEICULO" call BuscaEstoqueIntermediario pfBancoDados=INTERBASE \
  "pfDataRef=14/03/2025 00:00:00" pfDataInicioVenda= pfDataFimVenda= pfChassi= pfCodigoVeiculo=V1006 \
  pfAnoModelo= pfRevenda= pfFamilia= pfTransDevolucaoVenda= pfPacotes= pfDepartamento= pfSituacao= \
  pfRevendaVendas= pfModelo= pfNovoUsadoTodos=2 pfConsiderarRevenda=0 pfListarVenda=false \
  pfListarBonus=false pfUsaPrecoEdicao=false pfUsaPrecoPacote=false pfAtualizaEstMedio=true \
  pfListarPedido=false pCalcEstoque=false pICarros=false --database "$DB" 2>&1); rc=$?
check "call BuscaEstoqueIntermediario succeeds" 0 "$rc"
contains "one row, with its days in stock" '"EST_MEDIO":1277' "$out"

# Bad input: refused with status 2 before the database is touched.
bad() {  # bad NAME EXPECTED-MESSAGE ARGS...
  name="$1"; message="$2"; shift 2
  estoque "$@"
  check "$name: status 2" 2 "$rc"
  contains "$name: message" "$message" "$err"
}
bad "a date that is not one" "--data '2025-13-01' is not a date" --data 2025-13-01
bad "new and used at once" "--novos excludes --usados" --novos --usados
bad "bonus without valuing" "--bonus needs --valorizar" --bonus
bad "dealers that are not numbers" "--revenda '1,x' is not a list of dealer numbers" --revenda 1,x
bad "a period that ends before it starts" "the period ends before it starts" \
  --vendidos 2025-03-31 2025-03-01

[ "$failures" -eq 0 ]
