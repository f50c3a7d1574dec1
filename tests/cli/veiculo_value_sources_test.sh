#!/bin/sh
# The cost value sources as a user reaches them: `veiculo run` and `veiculo
# call` on the demo database, `call --list`, and the demo's section. Expected
# figures are worked out from the demo rows (apps/veiculo/demo/invoice_rows.cpp,
# expense_rows.cpp, index_rows.cpp, registry_rows.cpp).
. "$(dirname "$0")/lib.sh"
LC_ALL=C
export LC_ALL
DB="$WORK/demo.fdb"

# The result of one call's JSON object, rounded to cents.
cents() {  # cents JSON
  value=$(printf '%s' "$1" | sed -n 's/^{"operation":"[A-Za-z]*","result":\([-0-9.e+]*\),.*/\1/p')
  if [ -z "$value" ]; then echo "no numeric result"; else printf '%.2f' "$value"; fi
}

call() {  # call ARGS... : the JSON of a call on the demo database; sets rc
  out=$("$VEICULO" call "$@" --database "$DB" 2>"$WORK/call.err"); rc=$?
}

# One query through `veiculo sql`: the single value of its single row.
scalar() {  # scalar SQL
  "$VEICULO" sql "$1" --database "$DB" | sed -n 's/.*"rows":\[{"[A-Z_]*":\([^}]*\)}\].*/\1/p'
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# --- the rows hang together ----------------------------------------------------
check "every vehicle has an entry invoice" 0 \
  "$(scalar "select count(*) N from VEI_VEICULO where NUMERO_NOTA_NFENTRADA is null")"
check "every entry invoice key finds its header" 0 "$(scalar "select count(*) N from VEI_VEICULO v \
where not exists (select 1 from FAT_MOVIMENTO_CAPA c where c.EMPRESA = v.EMPRESA_NFENTRADA and \
c.REVENDA = v.REVENDA_NFENTRADA and c.NUMERO_NOTA_FISCAL = v.NUMERO_NOTA_NFENTRADA and \
c.SERIE_NOTA_FISCAL = v.SERIE_NOTA_NFENTRADA and c.TIPO_TRANSACAO = v.TIPO_TRANSACAO_NFENTRADA and \
c.CONTADOR = v.CONTADOR_NFENTRADA)")"
check "  ... and the vehicle's line on it" 0 "$(scalar "select count(*) N from VEI_VEICULO v \
where not exists (select 1 from FAT_MOVIMENTO_VEICULO m where m.EMPRESA = v.EMPRESA_NFENTRADA and \
m.REVENDA = v.REVENDA_NFENTRADA and m.NUMERO_NOTA_FISCAL = v.NUMERO_NOTA_NFENTRADA and \
m.SERIE_NOTA_FISCAL = v.SERIE_NOTA_NFENTRADA and m.TIPO_TRANSACAO = v.TIPO_TRANSACAO_NFENTRADA and \
m.CONTADOR = v.CONTADOR_NFENTRADA and m.VEICULO = v.VEICULO)")"
check "every freight invoice key finds its header" 0 "$(scalar "select count(*) N from VEI_VEICULO v \
where v.NUMERO_NOTA_FISCAL_NFFRETE is not null and not exists (select 1 from FAT_MOVIMENTO_CAPA c \
where c.EMPRESA = v.EMPRESA_NFFRETE and c.REVENDA = v.REVENDA_NFFRETE and \
c.NUMERO_NOTA_FISCAL = v.NUMERO_NOTA_FISCAL_NFFRETE and c.SERIE_NOTA_FISCAL = \
v.SERIE_NOTA_FISCAL_NFFRETE and c.TIPO_TRANSACAO = v.TIPO_TRANSACAO_NFFRETE and \
c.CONTADOR = v.CONTADOR_NFFRETE)")"
check "the five new vehicles have a freight invoice" 5 \
  "$(scalar "select count(*) N from VEI_VEICULO where NUMERO_NOTA_FISCAL_NFFRETE is not null")"
check "a daily level for every day of 2025" 365 \
  "$(scalar "select count(*) N from FIN_VALOR_INDICE where INDICE = 1")"
check "a monthly rate for every month, indices 2 and 3" 24 \
  "$(scalar "select count(*) N from FIN_VALOR_INDICE where INDICE in (2, 3)")"
check "every expense has its type" 0 "$(scalar "select count(*) N from VEI_DESPESA_VEICULO d \
where not exists (select 1 from VEI_DESPESA t where t.EMPRESA = d.EMPRESA and t.DESPESA = d.DESPESA)")"

# --- run: the demo vehicle's invoices and registry value -----------------------
cat >"$WORK/v1001.json" <<'JSON'
[{"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "V1001", "pfUtilizaFindKey": true}},
 {"operation": "BuscaValorNotaEntrada",
  "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfIncidencia": "C", "PDataProcessamento": "2025-03-31"}},
 {"operation": "BuscaValorNotaEntrada",
  "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfIncidencia": "F", "PDataProcessamento": "2025-01-15"}},
 {"operation": "BuscaValorNotaEntrada",
  "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfIncidencia": "F", "PDataProcessamento": "2025-01-16"}},
 {"operation": "BuscaValorNotaSaida",
  "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfIdentificacao": "T", "pfSomarICMSPartRemeDest": "N"}},
 {"operation": "BuscaValorCadastroModelos",
  "params": {"PEmpresa": 1, "PUsaPrecoEdicao": false, "PUsaPrecoPacote": false, "PRevenda": 1}},
 {"operation": "BuscaValorCadastroModelos",
  "params": {"PEmpresa": 1, "PUsaPrecoEdicao": true, "PUsaPrecoPacote": true, "PRevenda": 1}}]
JSON
out=$("$VEICULO" run "$WORK/v1001.json" --database "$DB" 2>&1); rc=$?
check "run succeeds" 0 "$rc"
nth() { printf '%s\n' "$out" | sed -n "$(($1 + 1))p"; }  # the JSON of call N
contains "LerVeiculo finds V1001" '{"operation":"LerVeiculo","result":true,' "$(nth 1)"
# Maker's invoice 452318: goods 62.900,00 + optionals 1.890,00 = 64.790,00;
# IPI 7 % = 4.535,30; total 64.790,00 + 4.535,30 + freight 1.180,00 +
# insurance 96,50 + ICMS withheld 1.814,00 = 72.415,80; less the discount
# 1.250,00 = 71.165,80 (one vehicle on the invoice, no purchase invoices).
check "purchase value (C) from the entry invoice" 71165.80 "$(cents "$(nth 2)")"
# The freight invoice came in on 16/01/2025: before that the freight costs nothing.
check "freight (F) before the freight invoice came in" 0.00 "$(cents "$(nth 3)")"
check "freight (F) on the day it came in: the header's 1.180,00" 1180.00 "$(cents "$(nth 4)")"
# Exit invoice 20931: 86.490,00 less the discount of 2.000,00.
check "exit invoice total (T)" 84490.00 "$(cents "$(nth 5)")"
# Public price 81.290,00 + metallic paint 1.950,00 (head office's price row)
# + freight 1.450,00 + insurance 380,00 + optionals 890,00 (alarm, model
# price) + 2.150,00 (wheels, 2025 edition price) = 88.110,00.
check "registry value, list price" 88110.00 "$(cents "$(nth 6)")"
# Edition 2025: 81.990,00 + the model's metallic paint 1.890,00 = 83.880,00;
# + 1.450,00 + 380,00 + 3.040,00 + TECH package, newest 2025 metallic price
# 4.290,00 = 93.040,00.
check "registry value with edition and package prices" 93040.00 "$(cents "$(nth 7)")"

# Without a vehicle loaded first there is no invoice to read: 0, no failure.
call BuscaValorNotaEntrada pfEmpresa=1 pfRevenda=1 pfIncidencia=C PDataProcessamento=2025-03-31
check "entry value without a current vehicle succeeds" 0 "$rc"
check "  ... and is 0" 0.00 "$(cents "$out")"

# --- present value -------------------------------------------------------------
# Daily levels: 1000 x 1.000525^k, k the business days of 2025 up to the day.
# 15/01/2025: k = 10 (2, 3, 6-10, 13-15 January); 14/03/2025: k = 50 (10 + 12
# more in January, 20 in February, 3-4 March are Carnival, then 5-7 and
# 10-14 March: 8). Corrected: 71.165,80 / level(15/01) x level(14/03)
# = 71.165,80 x 1.000525^40 = 71.165,80 x 1.0212164 = 72.675,68.
call CalculaValorPresente pfEmpresa=1 pfRevenda=1 pfIndice=1 pfIncidencia=C pfVeiculo=V1001 \
  pfValor=71165.80 pfData1=2025-01-15 pfData2=2025-03-14
check "CalculaValorPresente succeeds" 0 "$rc"
check "present value by the daily levels" 72675.68 "$(cents "$out")"
# Monthly rates 1,01 % (Jan), 0,99 % (Feb), 0,96 % (Mar), each spread over 30
# days: from 15/01 to 14/03 the walk adds 16 January days, 28 February days
# and 14 March days: 1.0101^(16/30) x 1.0099^(28/30) x 1.0096^(14/30)
# = 1.0191947; 71.165,80 x 1.0191947 = 72.531,81.
call CalculaValorPresente pfEmpresa=1 pfRevenda=1 pfIndice=2 pfIncidencia=C pfVeiculo=V1001 \
  pfValor=71165.80 pfData1=2025-01-15 pfData2=2025-03-14
check "present value by the monthly rates" 72531.81 "$(cents "$out")"
# Incidence O: V1001's expenses each carried from its date to 14/03/2025 by
# their type's daily index: inspection 480,00 of 17/01 (k = 12: 38 business
# days), washing 150,00 and fuel 120,00 of 20/01 (k = 13: 37), the warranty
# reimbursement 200,00 of 10/02 (k = 28: 22) with sign + lowering the total:
# 480 x 1.000525^38 + 270 x 1.000525^37 - 200 x 1.000525^22
# = 489.6696 + 275.2946 - 202.3228 = 562,64.
call CalculaValorPresente pfEmpresa=1 pfRevenda=1 pfIndice=0 pfIncidencia=O pfVeiculo=V1001 \
  pfValor=0 pfData1=2025-01-15 pfData2=2025-03-14
check "present value of the vehicle's expenses (incidence O)" 562.64 "$(cents "$out")"
call CalculaValorPresente pfEmpresa=1 pfRevenda=1 pfIndice=99 pfIncidencia=C pfVeiculo=V1001 \
  pfValor=71165.80 pfData1=2025-01-15 pfData2=2025-03-14
check "an index that does not exist leaves the value as it is" 71165.80 "$(cents "$out")"
call CalculaValorPresente pfEmpresa=1 pfRevenda=1 pfIndice=1 pfIncidencia=C "pfVeiculo=V'1001" \
  pfValor=71165.80 pfData1=2025-01-15 pfData2=2025-03-14
check "a vehicle code with a quote does not break its SQL" 0 "$rc"
check "  ... and is corrected like any vehicle without an end of correction" 72675.68 "$(cents "$out")"

# --- call --list ---------------------------------------------------------------
list=$("$VEICULO" call --list)
for line in \
  "BuscaValorNotaEntrada(pfEmpresa: integer, pfRevenda: integer, pfIncidencia: text, PDataProcessamento: datetime): double" \
  "BuscaValorNotaSaida(pfEmpresa: integer, pfRevenda: integer, pfIdentificacao: text, pfSomarICMSPartRemeDest: text): double" \
  "BuscaValorPresente(pfEmpresa: integer, pfIndice: integer, pfValor: double, pfData1: datetime, pfData2: datetime, pfIncidencia: text, veiculo: text): double" \
  "CalculaValorPresente(pfEmpresa: integer, pfRevenda: integer, pfIndice: integer, pfIncidencia: text, pfVeiculo: text, pfValor: double, pfData1: datetime, pfData2: datetime): double" \
  "BuscaValorCadastroModelos(PEmpresa: integer, PUsaPrecoEdicao: boolean, PUsaPrecoPacote: boolean, PRevenda: integer): double" \
  "BuscaValorEdicao(PEmpresa: integer, PModelo: text, PTipoPintura: text, PEdicao: text, PAnoModelo: integer): double" \
  "BuscaValorPacote(PEmpresa: integer, PPacote: text, pAnomodelo: integer, pTipoPintura: text): double" \
  "SomaOpcionais(pfEmpresa: integer, pfConsideraOpc: text, pfChassi: text): double" \
  "BuscarValorFichaGama(Empresa: integer, Modelo: text, Chassi: text): double" \
  "UtilizaNissanDI(pfEmpresa: text, pfRevenda: text): boolean" \
  "SituacoesVeiculoEstoqueDisponivelVenda(pfSituacao: text): boolean"; do
  contains "list: ${line%%(*}" "
$line
" "
$list
"
done

# --- registry pieces by call ---------------------------------------------------
call BuscaValorPacote PEmpresa=1 PPacote=TECH pAnomodelo=2025 pTipoPintura=M
check "TECH for a 2025 metallic vehicle: the newest year price" 4290.00 "$(cents "$out")"
call BuscaValorPacote PEmpresa=1 PPacote=TECH pAnomodelo=2026 pTipoPintura=M
check "TECH without a price of the year: the general price" 3900.00 "$(cents "$out")"
call SomaOpcionais pfEmpresa=1 pfConsideraOpc=S pfChassi=9ZXHB10L0SB104311
check "V1001's optionals: 890,00 + 2.150,00" 3040.00 "$(cents "$out")"
call SomaOpcionais pfEmpresa=1 pfConsideraOpc=N pfChassi=9ZXHB10L0SB104311
check "optionals not counted without S" 0.00 "$(cents "$out")"

# --- synthetic vehicles --------------------------------------------------------
SYN="$WORK/synthetic.fdb"
"$VEICULO" init-db "$SYN" --demo --vehicles 40 >/dev/null; rc=$?
check "init-db --demo --vehicles 40 succeeds" 0 "$rc"
DB="$SYN"
check "every synthetic vehicle has its entry invoice" 40 "$(scalar "select count(*) N from \
VEI_VEICULO v join FAT_MOVIMENTO_CAPA c on c.EMPRESA = v.EMPRESA_NFENTRADA and c.REVENDA = \
v.REVENDA_NFENTRADA and c.NUMERO_NOTA_FISCAL = v.NUMERO_NOTA_NFENTRADA and c.SERIE_NOTA_FISCAL = \
v.SERIE_NOTA_NFENTRADA and c.TIPO_TRANSACAO = v.TIPO_TRANSACAO_NFENTRADA and c.CONTADOR = \
v.CONTADOR_NFENTRADA where v.VEICULO starting with 'S'")"
check "  ... and a delivery inspection" 40 \
  "$(scalar "select count(*) N from VEI_DESPESA_VEICULO where VEICULO starting with 'S'")"
cat >"$WORK/s2.json" <<'JSON'
[{"operation": "LerVeiculo", "params": {"pfEmpresa": 1, "pfVeiculo": "S000002", "pfUtilizaFindKey": true}},
 {"operation": "BuscaValorNotaEntrada",
  "params": {"pfEmpresa": 1, "pfRevenda": 1, "pfIncidencia": "C", "PDataProcessamento": "2025-12-31"}}]
JSON
out=$("$VEICULO" run "$WORK/s2.json" --database "$SYN" 2>&1)
# S000002: purchase value 60.000,00 + 2 x 1.000,00 = 62.000,00 of goods; IPI
# 7 % = 4.340,00; + freight 1.180,00 + insurance 96,50 = 67.616,50.
check "a synthetic vehicle's purchase value from its invoice" 67616.50 "$(cents "$(nth 2)")"
DB="$WORK/demo.fdb"

# --- demo ----------------------------------------------------------------------
out=$("$VEICULO" demo --database "$DB" 2>&1); rc=$?
check "demo succeeds" 0 "$rc"
contains "demo shows the purchase value" "purchase value (C), entry invoice 452318/1          R\$ 71.165,80" "$out"
contains "demo shows the exit invoice total" "invoice total (T), exit invoice 20931/1             R\$ 84.490,00" "$out"
contains "demo shows the registry value" "registry value (BuscaValorCadastroModelos)          R\$ 88.110,00" "$out"
contains "  ... with edition and package" "with the edition and package prices               R\$ 93.040,00" "$out"
contains "demo shows the present value" "purchase value on 14/03/2025, by the daily index 1" "$out"
contains "  ... from the entry date" "from 15/01/2025 (CalculaValorPresente)            R\$ 72.675,68" "$out"

[ "$failures" -eq 0 ]
