#!/bin/sh
# The rejections and the FI Manager invoicing update through `veiculo call`
# on the demo database: a refusal exits 3 with its text, a rejection that
# goes through is kept. Proposal 5201 comes from
# apps/veiculo/demo/rejection_rows.cpp. (A database error at any statement of
# a rejection, rolled back whole, is tests/hardening/faults.)
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

sql() {  # sql TEXT : the rows of a query as a data packet
  "$VEICULO" sql -d "$DB" "$1" 2>&1
}
rejeita() {  # rejeita PROPOSTA REVENDA
  call RejeitarProposta pfBancoDados=INTERBASE pfEmpresa=1 pfRevenda="$2" pfProposta="$1" \
    pfUsuario=2 pfDataProcessamento=2025-03-14 pfIntegracaoFI=0 "pfMotivo=Cliente desistiu" \
    "pfConcessionaria=Matriz" pfFormaContato= pGerarProvidencia=true pfAcaoRejeicao=CANCELAR
}

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

rejeita 5005 2
check "a refusal exits 3" 3 "$rc"
contains "  ... with its text" 'NOK|Proposta com situação [Aprovada (Financeiro)] não pode ser cancelada.' "$out"
check "  ... says its work was rolled back" \
  "veiculo: RejeitarProposta reported failure; its work was rolled back" "$(cat "$WORK/call.err")"

rejeita 5201 1
check "the rejection goes through" 0 "$rc"
contains "  ... OK" '"result":"OK|"' "$out"
contains "  ... the proposal is cancelled" '"rows":[{"SITUACAO":"8"}]' \
  "$(sql "select SITUACAO from VEI_PROPOSTA where PROPOSTA = 5201")"
contains "  ... the salesperson (user 2) is told" \
  '"rows":[{"USUARIO_DESTINO":2,"ASSUNTO":"Proposta Nr.[5201] Rejeitada"}]' \
  "$(sql "select m.USUARIO_DESTINO, m.ASSUNTO from GER_MENSAGEM m join VEI_MENSAGEM_PROPOSTA p on p.DTA_MENSAGEM = m.DTA_MENSAGEM where p.PROPOSTA = 5201")"
contains "  ... the cancellation is the contact's action 2, with the reason" \
  '"rows":[{"PROVIDENCIA":2,"MOTIVO":"Cliente desistiu","CONCESSIONARIA":"Matriz"}]' \
  "$(sql "select PROVIDENCIA, MOTIVO, CONCESSIONARIA from CAC_PROVIDENCIA where CONTATO = 8201 and PROVIDENCIA = 2")"

call RejeitarNegociacao pfBancoDados=INTERBASE pfEmpresa=1 pfRevenda=2 pfProposta=5003 \
  pfNegociacao=1 pfUsuario=1 pfDataProcessamento=2025-03-14 pfIntegracaoFI=0
check "RejeitarNegociacao of 5003/1" 0 "$rc"
contains "  ... rejects it by user 1" '"rows":[{"APR_GERENCIAL":"R","USU_GERENCIAL":1}]' \
  "$(sql "select APR_GERENCIAL, USU_GERENCIAL from VEI_NEGOCIACAO where PROPOSTA = 5003")"

# The invoicing update reaches nothing on a closed port: false, and why.
call AtualizarFaturamentoTipado pfCnpjLoja=12345678000195 pfEmpresa=1 pfRevenda=1 pfProposta=5001 \
  pfNotaFiscal=4321 pfDataNotaFiscal=2025-03-14 pfURL=http://127.0.0.1:1/ pfArquivo=
check "AtualizarFaturamentoTipado answers (it writes nothing)" 0 "$rc"
contains "  ... false, with the error" '"result":false,"out":{"pfMensagem":"could not reach the service' "$out"

[ "$failures" -eq 0 ]
