#!/bin/sh
# The cost value sources through `veiculo run`, `veiculo call` and `demo` on the
# demo database. Expected figures are worked out from the demo rows
# (apps/veiculo/demo/invoice_rows.cpp, expense_rows.cpp, index_rows.cpp,
# registry_rows.cpp).
. "$(dirname "$0")/lib.sh"
LC_ALL=C
export LC_ALL
DB="$WORK/demo.fdb"

cents() {  # cents JSON: the call's numeric result rounded to cents
  value=$(printf '%s' "$1" | sed -n 's/^{"operation":"[A-Za-z]*","result":\([-0-9.e+]*\),.*/\1/p')
  if [ -z "$value" ]; then echo "no numeric result"; else printf '%.2f' "$value"; fi
}
nth() { printf '%s\n' "$out" | sed -n "$(($1 + 1))p"; }  # the JSON of call N of a run

"$VEICULO" init-db "$DB" --demo >/dev/null 2>&1; rc=$?
check "init-db --demo succeeds" 0 "$rc"

P='"pfEmpresa": 1, "pfRevenda": 1'
cat >"$WORK/v1001.json" <<JSON
[{"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "V1001", "pfUtilizaFindKey": true}},
 {"operation": "BuscaValorNotaEntrada", "params": {$P, "pfIncidencia": "C", "PDataProcessamento": "2025-03-31"}},
 {"operation": "BuscaValorNotaEntrada", "params": {$P, "pfIncidencia": "F", "PDataProcessamento": "2025-01-15"}},
 {"operation": "BuscaValorNotaEntrada", "params": {$P, "pfIncidencia": "F", "PDataProcessamento": "2025-01-16"}},
 {"operation": "BuscaValorNotaSaida", "params": {$P, "pfIdentificacao": "T", "pfSomarICMSPartRemeDest": "N"}},
 {"operation": "BuscaValorCadastroModelos",
  "params": {"PEmpresa": 1, "PUsaPrecoEdicao": false, "PUsaPrecoPacote": false, "PRevenda": 1}},
 {"operation": "BuscaValorCadastroModelos",
  "params": {"PEmpresa": 1, "PUsaPrecoEdicao": true, "PUsaPrecoPacote": true, "PRevenda": 1}}]
JSON
out=$("$VEICULO" run "$WORK/v1001.json" --database "$DB" 2>&1); rc=$?
check "run succeeds" 0 "$rc"
# Invoice 452318: goods 62.900,00 + optionals 1.890,00 + IPI 7 % 4.535,30 +
# freight 1.180,00 + insurance 96,50 + ICMS withheld 1.814,00 - discount 1.250,00.
check "purchase value (C) from the entry invoice" 71165.80 "$(cents "$(nth 2)")"
check "freight (F) before its invoice came in (16/01)" 0.00 "$(cents "$(nth 3)")"
check "freight (F) on the day it came in" 1180.00 "$(cents "$(nth 4)")"
check "exit invoice total (T): 86.490,00 - 2.000,00" 84490.00 "$(cents "$(nth 5)")"
# 81.290,00 + metallic paint 1.950,00 + freight 1.450,00 + insurance 380,00 +
# optionals 890,00 (model price) + 2.150,00 (2025 edition price).
check "registry value, list price" 88110.00 "$(cents "$(nth 6)")"
# Edition 81.990,00 + paint 1.890,00 + 1.450,00 + 380,00 + 3.040,00 + TECH 4.290,00.
check "registry value with edition and package prices" 93040.00 "$(cents "$(nth 7)")"

call BuscaValorNotaEntrada pfEmpresa=1 pfRevenda=1 pfIncidencia=C PDataProcessamento=2025-03-31
check "entry value without a current vehicle: 0, no failure" "0 0.00" "$rc $(cents "$out")"

pv() {  # pv INDEX INCIDENCE VEHICLE VALUE: present value 15/01 -> 14/03/2025
  call CalculaValorPresente pfEmpresa=1 pfRevenda=1 "pfIndice=$1" "pfIncidencia=$2" "pfVeiculo=$3" \
    "pfValor=$4" pfData1=2025-01-15 pfData2=2025-03-14
}
# Daily levels 1000 x 1.000525^k, k the business days: 10 on 15/01, 50 on
# 14/03 (Carnival 3-4 March off): 71.165,80 x 1.000525^40 = 72.675,68.
pv 1 C V1001 71165.80
check "present value by the daily levels" 72675.68 "$(cents "$out")"
# 1.0101^(16/30) x 1.0099^(28/30) x 1.0096^(14/30) = 1.0191947.
pv 2 C V1001 71165.80
check "present value by the monthly rates" 72531.81 "$(cents "$out")"
# Expenses to 14/03: 480 x 1.000525^38 + 270 x 1.000525^37 - 200 x 1.000525^22
# = 489.6696 + 275.2946 - 202.3228.
pv 0 O V1001 0
check "present value of the vehicle's expenses (O)" 562.64 "$(cents "$out")"
pv 99 C V1001 71165.80
check "an unknown index leaves the value" 71165.80 "$(cents "$out")"
pv 1 C "V'1001" 71165.80
check "a vehicle code with a quote" "0 72675.68" "$rc $(cents "$out")"

call BuscaValorPacote PEmpresa=1 PPacote=TECH pAnomodelo=2025 pTipoPintura=M
check "TECH 2025 metallic: the newest year price" 4290.00 "$(cents "$out")"
call BuscaValorPacote PEmpresa=1 PPacote=TECH pAnomodelo=2026 pTipoPintura=M
check "TECH without a year price: the general price" 3900.00 "$(cents "$out")"
call SomaOpcionais pfEmpresa=1 pfConsideraOpc=S pfChassi=9ZXHB10L0SB104311
check "V1001's optionals: 890,00 + 2.150,00" 3040.00 "$(cents "$out")"

SYN="$WORK/synthetic.fdb"
"$VEICULO" init-db "$SYN" --demo --vehicles 40 >/dev/null; rc=$?
check "init-db --demo --vehicles 40 succeeds" 0 "$rc"
cat >"$WORK/s2.json" <<JSON
[{"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "S000002", "pfUtilizaFindKey": true}},
 {"operation": "BuscaValorNotaEntrada", "params": {$P, "pfIncidencia": "C", "PDataProcessamento": "2025-12-31"}}]
JSON
out=$("$VEICULO" run "$WORK/s2.json" --database "$SYN" 2>&1)
# 60.000,00 + 2 x 1.000,00 + IPI 7 % 4.340,00 + freight 1.180,00 + insurance 96,50.
check "a synthetic vehicle's purchase value" 67616.50 "$(cents "$(nth 2)")"

out=$("$VEICULO" demo --database "$DB" 2>&1); rc=$?
check "demo succeeds" 0 "$rc"
contains "demo shows the purchase value" "purchase value (C), entry invoice 452318/1          R\$ 71.165,80" "$out"
contains "demo shows the present value" "from 15/01/2025 (CalculaValorPresente)            R\$ 72.675,68" "$out"

[ "$failures" -eq 0 ]
