#!/bin/sh
# The maker's bonuses, subsidies, rebates, financing returns and the
# salesperson's commission through `veiculo call` and `run` on the demo
# database (apps/veiculo/demo/bonus_rows.cpp, proposal_rows.cpp, index_rows.cpp).
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"
results() {  # results OPERATION: the results of that operation in $out, one line
  printf '%s\n' "$out" | sed -n "s/^{\"operation\":\"$1\",\"result\":\([^,]*\),.*$/\1/p" | tr '\n' ' ' | sed 's/ $//'
}
"$VEICULO" init-db "$DB" --demo >/dev/null 2>&1; rc=$?
check "init-db --demo succeeds" 0 "$rc"

# V1001: HATCH10, edition 2025, package TECH, optionals ALARME and RODA_LIGA15,
# made 2024, model year 2025, four doors, bought 12/01/2025, sold 14/03/2025.
bonus() {  # bonus OPERATION GROUP [ARGS] [DATA_COMPRA]: sets out and rc
  op="$1"; grupo="$2"; compra="${4:-12/01/2025}"; shift 2
  out=$("$VEICULO" call "$op" pfVeiculo=V1001 pfChassi=9ZXHB10L0SB104311 pfModelo=HATCH10 \
    pfEdicao=2025 pfPacote=TECH "pfDataCompra=$compra" pfDataVenda=14/03/2025 pfEmpresa=1 \
    pfAnoFab=2024 pfAnoMod=2025 pfPortas=4 "pfBonus=$grupo" ${1:+"$1"} --database "$DB" 2>"$WORK/call.err"); rc=$?
}
# Bonuses 1 (1500), 2 (800, RODA_LIGA15) and 3 (1200, TECH and edition 2025);
# 4 wants SENSOR_EST too, 5 excludes ALARME, 6 is the branch's, 9 for 2024.
bonus BuscaValorBonus ""
contains "V1001 earns 1500 + 800 + 1200" '"result":3500.0,' "$out"
bonus BuscaValorBonus G1
contains "group G1: 1500 + 800" '"result":2300.0,' "$out"
bonus BuscaDadosBonus "" pfTipo=3
contains "type 3: the notices one a line" '"result":"CB-2025/014\r\nCB-2025/015\r\nCB-2025/020",' "$out"
bonus BuscaDadosBonus "" pfTipo=4
contains "type 4: one description per bonus" \
  '"result":"1;G1;CB-2025/014;1500,00§2;G1;CB-2025/015;800,00§3;G2;CB-2025/020;1200,00§",' "$out"
bonus BuscaDadosBonus "" pfTipo=7
check "an unknown result type is refused (status 1)" 1 "$rc"
contains "  ... named" "pfTipo 7" "$(cat "$WORK/call.err")"
bonus BuscaValorBonus "" "" 2025-01-12
check "a purchase date that is not a local date is refused" 1 "$rc"
contains "  ... named" "pfDataCompra '2025-01-12' is not a date" "$(cat "$WORK/call.err")"

# R = 12/01/2025 (factory invoice, formula NOVOS line 14). Index 1: 1003,68079
# on R, 1015,33743 on R+30, 1026,05182 on R+60, 1026,59049 on R+61 = 14/03.
# U = 100000 / 1003,68079 = 99,63327. SUB60 over 61 days:
#   1-30 at 100 %: 99,63327 * 11,65664 / 1015,33743 = 1,1438 -> 1,14
#   31-60 at 50 %: 0,5 * 99,63327 * 10,71439 / 1026,05182 = 0,5202 -> 0,52
#   61-90 at 25 % cut at 61: 0,25 * 99,63327 * 0,53868 / 1026,59049 -> 0,01
#   1,67 * 1026,59049 = 1714,41
# Rebate 60 days from R (13/03) against 11/02: 99,63327 * 10,71439 = 1067,509.
S='"pfEmpresa": 1, "pfDias": 61, "pfLinha": 14, "pfIndice": 1, "pfFormula": "NOVOS", "pfVeiculo": "V1001"'
R='"pfEmpresa": 1, "pfRevenda": 1, "pfIndice": 1, "pfDataInicio": "2025-01-12"'
cat >"$WORK/s.json" <<JSON
[{"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "V1001", "pfUtilizaFindKey": true}},
 {"operation": "SetBase_Financeiro", "params": {"value": 100000}},
 {"operation": "BuscaSubsidios", "params": {$S, "pfSubsidio": "SUB60", "pfDataProcessamento": "2025-03-14"}},
 {"operation": "BuscaSubsidios", "params": {$S, "pfSubsidio": "NENHUM", "pfDataProcessamento": "2025-03-14"}},
 {"operation": "BuscaRebate", "params": {$R, "pfDias": 60, "pfDataFim": "2025-02-11"}},
 {"operation": "BuscaRebate", "params": {$R, "pfDias": 30, "pfDataFim": "2025-03-13"}},
 {"operation": "SetiPvProposta", "params": {"value": 5001}},
 {"operation": "SetiPvNegociacao", "params": {"value": 1}},
 {"operation": "BuscaRetorno", "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfVeiculo": "V1002"}},
 {"operation": "BuscaRetornoLinha", "params": {"pfEmpresa": 1, "pfRevenda": 1,
   "pfVeiculo": "V1002", "pfTipoRetorno": "FIN"}},
 {"operation": "SetiPvProposta", "params": {"value": 5004}},
 {"operation": "BuscaRetorno", "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfVeiculo": "V1004"}},
 {"operation": "SetBaseComissaoVendedor", "params": {"value": 150000}},
 {"operation": "BuscaComissaoVendedor", "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfVeiculo": "V1002"}},
 {"operation": "BuscaComissaoVendedor", "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfVeiculo": "V1005"}},
 {"operation": "BuscaComissaoVendedor", "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfVeiculo": "V1001"}}]
JSON
out=$("$VEICULO" run "$WORK/s.json" --database "$DB" 2>"$WORK/run.err"); rc=$?
check "the session succeeds" 0 "$rc"
check "SUB60 over 61 days; a subsidy without periods" "1714.41 0.0" "$(results BuscaSubsidios)"
contains "the rebate of 60 days against 11/02" '{"operation":"BuscaRebate","result":1067.50' "$out"
contains "a rebate never falls below 0" '{"operation":"BuscaRebate","result":0.0,' "$out"
# 5001/1: (2550 - 255 - 38,25) + (400 - 0 - 6) = 2256,75 + 394; 5004 has none.
check "returns of 5001/1 net of commission and tax; 5004" "2650.75 0.0" "$(results BuscaRetorno)"
contains "its financing return keeps the F&I customer" '"sPvClienteFI":"30100"' \
  "$(printf '%s\n' "$out" | grep '"operation":"BuscaRetornoLinha","result":2256.75,')"
# V1002: salesperson 11 at 1,2 %: 150000 * 1,2 / 100; V1005: the branch's 12
# at 1 %; V1001 has no proposal.
check "commissions of V1002, V1005 and V1001" "1800.0 1500.0 0.0" "$(results BuscaComissaoVendedor)"

[ "$failures" -eq 0 ]
