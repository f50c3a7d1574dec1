#!/bin/sh
# CalculaCusteio (a local what-if evaluation) and CalculaBaseFinanceiro through `veiculo call`.
. "$(dirname "$0")/lib.sh"
DB="$WORK/dealer.fdb"

out=$("$VEICULO" init-db "$DB" 2>&1); rc=$?
check "init-db succeeds" 0 "$rc"

cat >"$WORK/custeio.json" <<'JSON'
{"fields": [{"name": "LINHA_FORMULA", "type": "integer"}, {"name": "INCIDENCIA", "type": "text"},
            {"name": "TIPO", "type": "text"}, {"name": "CONSIDERAR_DEFLACAO", "type": "text"},
            {"name": "PERCENTUAL", "type": "float"}, {"name": "REFERENCIA", "type": "text"},
            {"name": "ALTERAR", "type": "text"}, {"name": "VALOR_FIXO", "type": "float"},
            {"name": "INDICE", "type": "integer"}, {"name": "DIAS_ADICIONAIS_VENDA", "type": "integer"},
            {"name": "VAL_HISTORICO", "type": "float"}, {"name": "VAL_PRESENTE", "type": "float"},
            {"name": "LUCRO_BRUTO", "type": "text"}, {"name": "MARGEM_CONTRIBUICAO", "type": "text"},
            {"name": "CUSTO_TOTAL", "type": "text"}, {"name": "SEQUENCIA", "type": "integer"}],
 "rows": [{"LINHA_FORMULA": 1, "INCIDENCIA": "C", "TIPO": "N", "CUSTO_TOTAL": "+", "SEQUENCIA": 1},
          {"LINHA_FORMULA": 2, "INCIDENCIA": "F", "TIPO": "N", "CUSTO_TOTAL": "+", "SEQUENCIA": 2},
          {"LINHA_FORMULA": 3, "INCIDENCIA": "K", "TIPO": "N", "SEQUENCIA": 3}]}
JSON
cat >"$WORK/datas.json" <<'JSON'
{"fields": [{"name": "DATA", "type": "datetime"}],
 "rows": [{"DATA": "2025-03-20"}, {"DATA": null}, {"DATA": null}, {"DATA": null},
          {"DATA": "2025-03-20"}]}
JSON
cat >"$WORK/quatro_datas.json" <<'JSON'
{"fields": [{"name": "DATA", "type": "datetime"}],
 "rows": [{"DATA": "2025-03-20"}, {"DATA": null}, {"DATA": null}, {"DATA": null}]}
JSON
cat >"$WORK/cadastro.json" <<'JSON'
{"fields": [{"name": "VALOR_VENDA", "type": "float"}, {"name": "PRECO_REPOSICAO", "type": "float"},
            {"name": "FRETE_ENTRADA", "type": "float"}],
 "rows": [{"VALOR_VENDA": 2000, "PRECO_REPOSICAO": 1000, "FRETE_ENTRADA": 500}]}
JSON

custeio() {  # custeio DATES-FILE : a local evaluation with a present sale value of 1900
  out=$("$VEICULO" call CalculaCusteio pEmpresa=1 pE=1 pR=1 pV= pF=F1 pValorPresente=1900 \
    pcdsCusteio=@"$WORK/custeio.json" pcdsDatas=@"$1" pcdsLocalCadastro=@"$WORK/cadastro.json" \
    --database "$DB" 2>"$WORK/call.err"); rc=$?
}

custeio "$WORK/datas.json"
check "CalculaCusteio succeeds" 0 "$rc"
# Cost 1000 + 500; profit 2000 - 1500 = 500, at present value 1900 - 1500 = 400.
check "the K line is the sale value over the cost so far" 1 \
  "$(printf '%s' "$out" | grep -c '"LINHA_FORMULA":3,"INCIDENCIA":"K",[^}]*"VAL_HISTORICO":500.0,"VAL_PRESENTE":400.0')"
check "the historic profit comes back in out" 1 \
  "$(printf '%s' "$out" | grep -c '"out":{[^}]*"pLucroHistorico":500.0')"
check "and its percentage, 500 of 2000" 1 \
  "$(printf '%s' "$out" | grep -c '"out":{[^}]*"pPercHistorico":25.0')"
# Control sum: one "+" per line of cost, SEQUENCIA + PERCENTUAL (null: 0): 1 + 2.
check "the control sum counts the lines of cost" 1 \
  "$(printf '%s' "$out" | grep -c '"out":{"pControleNovo":3.0')"

custeio "$WORK/quatro_datas.json"
check "four dates fail with status 1" 1 "$rc"
check "and say what the dates packet lacks" \
  "veiculo: validation error: costing dates: five rows (D1 to D5) with a date in their first field are needed, the packet has 4 rows and 1 fields" \
  "$(cat "$WORK/call.err")"

"$VEICULO" call CalculaBaseFinanceiro pfEmpresa=1 pfRevenda=1 pfVeiculo=V9 pfFormula=F1 \
  pfDataProcessamento=2025-03-20 --database "$DB" >"$WORK/none.out" 2>"$WORK/none.err"; rc=$?
check "the base of an unknown vehicle fails with status 1" 1 "$rc"
check "and says which vehicle" "veiculo: not found error: vehicle 'V9' does not exist in company 1" \
  "$(cat "$WORK/none.err")"

out=$("$VEICULO" call CalculaBaseFinanceiro pfEmpresa=1 pfRevenda=1 pfVeiculo= pfFormula=F1 \
  pfDataProcessamento=2025-03-20 --database "$DB" 2>&1)
check "without formula lines the base is 0" 1 \
  "$(printf '%s' "$out" | grep -c '^{"operation":"CalculaBaseFinanceiro","result":0.0,')"

[ "$failures" -eq 0 ]
