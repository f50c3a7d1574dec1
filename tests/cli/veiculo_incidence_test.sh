#!/bin/sh
# BuscaIncidencia, BuscaReferencia and the bands through `veiculo call`/`run` for demo
# vehicle V1001 (figures from apps/veiculo/demo/incidence_rows.cpp and index_rows.cpp).
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

result() {  # result JSON-LINE : the "result" of one call, as printed
  printf '%s\n' "$1" | sed -n 's/^{"operation":"[A-Za-z_]*","result":\([^,]*\),.*/\1/p'
}

cents() {  # cents EXPRESSION : its value with two decimals
  awk "BEGIN { printf \"%.2f\", $1 }"
}

incidencia() {  # incidencia LINE PERCENT TIPO : `veiculo call BuscaIncidencia` for V1001
  out=$("$VEICULO" call BuscaIncidencia pfVeiculo=V1001 pfFormula=NOVOS pfEmpresa=1 pfRevenda=1 \
    pfLinha="$1" pfPercentual="$2" pfDataProcessamento=2025-03-20 pfAux=false pfTipo="$3" \
    --database "$DB" 2>"$WORK/call.err"); rc=$?
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# --- one line per call ------------------------------------------------------
incidencia 12 -1 ""
check "BuscaIncidencia succeeds" 0 "$rc"
check "BP: the bonus sheet's two imports of PB-2025, 650 + 350" "1000.0" "$(result "$out")"

incidencia 1 -1 ""
custo=$(result "$out")
incidencia 8 -1 ""
check "the base line '[' is the entry invoice's discount" "1250.0" "$(result "$out")"
incidencia 1 -1 '$'
check "C with \$ adds the base lines '(' (none) and '[' (1250)" \
  "$(cents "$custo + 1250")" "$(cents "$(result "$out")")"

incidencia 999 10 ""
check "a line the formula does not have is 0" "0.0" "$(result "$out")"

"$VEICULO" call BuscaIncidencia pfVeiculo=V9999 pfFormula=NOVOS pfEmpresa=1 pfRevenda=1 \
  pfLinha=1 pfPercentual=-1 pfDataProcessamento=2025-03-20 pfAux=false pfTipo= \
  --database "$DB" >"$WORK/none.out" 2>"$WORK/none.err"; rc=$?
check "an unknown vehicle fails with status 1" 1 "$rc"
check "and says which vehicle" "veiculo: not found error: vehicle 'V9999' does not exist in company 1" \
  "$(cat "$WORK/none.err")"

out=$("$VEICULO" call BuscaReferencia pfVeiculo=V1001 pfFormula=NOVOS pfEmpresa=1 pfLinha=14 \
  pfDataProcessamento=2025-03-20 --database "$DB" 2>&1)
check "the subsidy line refers to the factory invoice (12/01/2025)" '"2025-01-12T00:00:00"' \
  "$(result "$out")"

# --- a session: holders, bands, then the lines ------------------------------
line() {  # line N PERCENT : one BuscaIncidencia call of the script
  printf '{"operation": "BuscaIncidencia", "params": {"pfVeiculo": "V1001", "pfFormula": "NOVOS", "pfEmpresa": 1, "pfRevenda": 1, "pfLinha": %s, "pfPercentual": %s, "pfDataProcessamento": "2025-03-20", "pfAux": false, "pfTipo": ""}}' "$1" "$2"
}
bands() {  # bands N PROFIT-H MARGIN-P : one BuscaPercentualVariavel call of the script
  printf '{"operation": "BuscaPercentualVariavel", "params": {"pfEmpresa": 1, "pfLinhaFormula": %s, "pfFormula": "NOVOS", "pfPercHistorico": %s, "pfPercPresente": 0, "pfPercMargemP": %s, "pfPercMargemH": 0, "pfPercLucroBrutoP": 0, "pfPercLucroBrutoH": 0}}' "$1" "$2" "$3"
}
cat >"$WORK/session.json" <<JSON
[{"operation": "SetBase_Financeiro", "params": {"value": 60000}},
 {"operation": "SetdPbValorVenda", "params": {"value": 86490}},
 $(bands 19 0 16),
 $(line 19 -999999999),
 $(bands 19 0 9),
 $(line 19 -999999999),
 $(bands 5 3 0),
 $(bands 5 12 0),
 $(line 13 -1),
 $(line 18 2)
]
JSON
out=$("$VEICULO" run "$WORK/session.json" --database "$DB" 2>&1); rc=$?
check "the session succeeds" 0 "$rc"
nth() { printf '%s\n' "$out" | sed -n "$(($1 + 1))p"; }
check "the prize line has no percentage of its own" "-999999999.0" "$(result "$(nth 3)")"
check "a margin of 16 % at present value gives the prize of 900" "900.0" "$(result "$(nth 4)")"
check "a margin of 9 % gives the prize of 500" "500.0" "$(result "$(nth 6)")"
check "a profit of 3 % lowers the commission to 0.8 %" "0.8" "$(result "$(nth 7)")"
check "the commission's bands make it variable" '"out":{"pfEhVariavel":true}' \
  "$(printf '%s' "$(nth 7)" | sed -n 's/.*\("out":{[^}]*}\).*/\1/p')"
check "a profit of 12 % raises it to 1.5 %" "1.5" "$(result "$(nth 8)")"
# Rebate: paid on 24/01/2025 instead of 30 days after the factory invoice of
# 12/01/2025. Daily levels 1000 x 1.000525^k with k business days since 02/01:
# 12/01 (a Sunday) k = 7, 24/01 k = 17, 11/02 k = 29, so
# 60000 x (1.000525^22 - 1.000525^10) = 381.09.
check "the rebate counts from the title's bonus payment" "381.09" "$(cents "$(result "$(nth 9)")")"
check "the management share is 2 % of the margin over the cost" \
  "$(cents "(86490 - $custo) * 0.02")" "$(cents "$(result "$(nth 10)")")"

[ "$failures" -eq 0 ]
