#!/bin/sh
# The maker's bonuses, subsidies, rebates, financing returns and the
# salesperson's commission through `veiculo call` and `veiculo run` on the
# demo database, as a user runs them. Expected figures come from the demo's
# rows (apps/veiculo/demo/bonus_rows.cpp, proposal_rows.cpp, index_rows.cpp).
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

call() {  # call ARGS... : the JSON of a call on the demo database; sets rc
  out=$("$VEICULO" call "$@" --database "$DB" 2>"$WORK/call.err"); rc=$?
}

run() {  # run FILE : the JSON lines of a session on the demo database; sets rc
  out=$("$VEICULO" run "$1" --database "$DB" 2>"$WORK/run.err"); rc=$?
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# --- bonuses of V1001 -------------------------------------------------------
# HATCH10, edition 2025, package TECH, optionals ALARME and RODA_LIGA15, made
# 2024, model year 2025, four doors, bought 12/01/2025, sold 14/03/2025.
CHASSI=9ZXHB10L0SB104311
bonus() {  # bonus OPERATION GROUP [pfTipo=N]
  op="$1"; grupo="$2"; shift 2
  call "$op" pfVeiculo=V1001 pfChassi=$CHASSI pfModelo=HATCH10 pfEdicao=2025 pfPacote=TECH \
    pfDataCompra=12/01/2025 pfDataVenda=14/03/2025 pfEmpresa=1 pfAnoFab=2024 pfAnoMod=2025 \
    pfPortas=4 "pfBonus=$grupo" "$@"
}

bonus BuscaValorBonus ""
check "BuscaValorBonus succeeds" 0 "$rc"
# Bonuses 1 (1500), 2 (800, RODA_LIGA15 fitted) and 3 (1200, package TECH,
# edition 2025); 4 wants SENSOR_EST too, 5 excludes ALARME, 6 is the
# branch's, 9 was for 2024 purchases.
contains "V1001 earns 1500 + 800 + 1200" '"result":3500.0,' "$out"
bonus BuscaValorBonus G1
contains "group G1: both of its bonuses, 1500 + 800" '"result":2300.0,' "$out"
bonus BuscaValorBonus G3
contains "group G3: none applies" '"result":0.0,' "$out"
bonus BuscaDadosBonus "" pfTipo=1
contains "type 1: the total as number text" '"result":"3500",' "$out"
bonus BuscaDadosBonus "" pfTipo=2
contains "type 2: the notice of the first" '"result":"CB-2025/014",' "$out"
bonus BuscaDadosBonus "" pfTipo=3
contains "type 3: the notices one a line" '"result":"CB-2025/014\r\nCB-2025/015\r\nCB-2025/020",' "$out"
bonus BuscaDadosBonus "" pfTipo=4
contains "type 4: one description per bonus" \
  '"result":"1;G1;CB-2025/014;1500,00§2;G1;CB-2025/015;800,00§3;G2;CB-2025/020;1200,00§",' "$out"

bonus BuscaDadosBonus "" pfTipo=7
check "an unknown result type is refused (status 1)" 1 "$rc"
contains "  ... named" "pfTipo 7" "$(cat "$WORK/call.err")"
call BuscaValorBonus pfVeiculo=V1001 pfChassi=$CHASSI pfModelo=HATCH10 pfEdicao=2025 \
  pfPacote=TECH pfDataCompra=2025-01-12 pfDataVenda=14/03/2025 pfEmpresa=1 pfAnoFab=2024 \
  pfAnoMod=2025 pfPortas=4 pfBonus=
check "a purchase date that is not a local date is refused (status 1)" 1 "$rc"
contains "  ... named" "pfDataCompra '2025-01-12' is not a date" "$(cat "$WORK/call.err")"

# --- subsidy and rebate of V1001 ----------------------------------------------
# Formula NOVOS line 14 refers to the factory invoice, R = 12/01/2025. Levels
# of index 1: 1003,68079 on R, 1015,33743 on R+30, 1026,05182 on R+60 and
# 1026,59049 on R+61 = 14/03. Base 100000: U = 100000 / 1003,68079 = 99,63327.
# SUB60 over N = 61 days:
#   days 1-30 at 100 %: 99,63327 * (1015,33743 - 1003,68079) / 1015,33743 = 1,1438 -> 1,14
#   days 31-60 at 50 %: 0,5 * 99,63327 * (1026,05182 - 1015,33743) / 1026,05182 = 0,5202 -> 0,52
#   days 61-90 at 25 %, cut at 61: 0,25 * 99,63327 * 0,53868 / 1026,59049 = 0,0131 -> 0,01
#   1,67 * 1026,59049 = 1714,406 -> 1714,41
# Rebate, 60 days from R (13/03) against 11/02:
#   100000 / 1003,68079 * (1026,05182 - 1015,33743) = 1067,509
cat >"$WORK/subsidio.json" <<'JSON'
[{"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "V1001", "pfUtilizaFindKey": true}},
 {"operation": "SetBase_Financeiro", "params": {"value": 100000}},
 {"operation": "BuscaSubsidios", "params": {"pfEmpresa": 1, "pfDias": 61, "pfLinha": 14,
   "pfIndice": 1, "pfFormula": "NOVOS", "pfVeiculo": "V1001", "pfSubsidio": "SUB60",
   "pfDataProcessamento": "2025-03-14"}},
 {"operation": "BuscaSubsidios", "params": {"pfEmpresa": 1, "pfDias": 61, "pfLinha": 14,
   "pfIndice": 1, "pfFormula": "NOVOS", "pfVeiculo": "V1001", "pfSubsidio": "NENHUM",
   "pfDataProcessamento": "2025-03-14"}},
 {"operation": "BuscaRebate", "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfIndice": 1,
   "pfDias": 60, "pfDataInicio": "2025-01-12", "pfDataFim": "2025-02-11"}},
 {"operation": "BuscaRebate", "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfIndice": 1,
   "pfDias": 30, "pfDataInicio": "2025-01-12", "pfDataFim": "2025-03-13"}}]
JSON
run "$WORK/subsidio.json"
check "the subsidy session succeeds" 0 "$rc"
contains "SUB60 over 61 days" '{"operation":"BuscaSubsidios","result":1714.41,' "$out"
contains "a subsidy without periods gives 0" '{"operation":"BuscaSubsidios","result":0.0,' "$out"
contains "the rebate of 60 days against 11/02" '{"operation":"BuscaRebate","result":1067.50' "$out"
contains "a rebate never falls below 0" '{"operation":"BuscaRebate","result":0.0,' "$out"

# --- returns and commission ----------------------------------------------------
cat >"$WORK/retorno.json" <<'JSON'
[{"operation": "SetiPvProposta", "params": {"value": 5001}},
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
run "$WORK/retorno.json"
check "the returns session succeeds" 0 "$rc"
# 5001/1: (2550 - 255 - 38,25) + (400 - 0 - 6) = 2256,75 + 394.
contains "the returns of 5001/1 net of commission and tax" \
  '{"operation":"BuscaRetorno","result":2650.75,' "$out"
contains "its financing return alone" '{"operation":"BuscaRetornoLinha","result":2256.75,' "$out"
contains "  ... keeps the finance company as the F&I customer" '"sPvClienteFI":"30100"' \
  "$(printf '%s\n' "$out" | grep '"operation":"BuscaRetornoLinha"')"
contains "a proposal without returns gives 0" '{"operation":"BuscaRetorno","result":0.0,' "$out"
# V1002: proposal 5001 of salesperson 11 (1,2 %): 150000 * 1,2 / 100 = 1800.
# V1005: proposal 5005 of the branch's salesperson 12 (1 %): 1500.
# V1001 has no proposal.
check "commissions of V1002, V1005 and V1001" "1800.0 1500.0 0.0" \
  "$(printf '%s\n' "$out" | sed -n 's/^.*{"operation":"BuscaComissaoVendedor","result":\([-0-9.]*\),.*$/\1/p' | tr '\n' ' ' | sed 's/ $//')"

[ "$failures" -eq 0 ]
