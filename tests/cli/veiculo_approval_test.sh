#!/bin/sh
# The managerial approval through `veiculo call` on the demo database: a
# database error in the middle of the approval (the message insert refused
# by a trigger, after the negotiation and the proposal were written) makes
# the host print the generic error text, exit 3 and keep nothing; without
# the trigger the same call approves 5004 and rejects its rival 5006.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

"$VEICULO" init-db "$DB" --demo >/dev/null 2>&1
check "init-db --demo succeeds" 0 "$?"

# Everything an approval writes, as one text.
snapshot() {
  for q in \
    "select REVENDA, PROPOSTA, NEGOCIACAO, APR_GERENCIAL, USU_GERENCIAL, DTA_APR_GERENCIAL from VEI_NEGOCIACAO order by 1, 2, 3" \
    "select REVENDA, PROPOSTA, NEGOCIACAO_FINAL, SITUACAO, OBSERVACAO from VEI_PROPOSTA order by 1, 2" \
    "select VEICULO, RESERVADO, CLIENTE_RESERVA, VENDEDOR_RESERVA, DTA_RESERVA, DTA_FIM_RESERVA from VEI_VEICULO order by 1" \
    "select * from VEI_PROPOSTA_OPCIONAL order by 1, 2, 3, 4" \
    "select count(*) from GER_MENSAGEM" "select count(*) from VEI_MENSAGEM_PROPOSTA" \
    "select CONTATO, SITUACAO, DTA_FECHAMENTO from CAC_CONTATO order by 1" \
    "select count(*) from CAC_PROVIDENCIA" "select count(*) from VEI_DESPESA_VEICULO"; do
    "$VEICULO" sql --database "$DB" "$q" 2>&1
  done
}
approve() {
  out=$("$VEICULO" call AprovacaoGerencialProposta pfBancoDados=INTERBASE pfEmpresa=1 \
    pfRevenda=1 pfProposta=5004 pfNegociacao=1 pfUsuario=1 pfDataProcessamento=2025-03-14 \
    pfIntegracaoFI=0 --database "$DB" 2>"$WORK/call.err"); rc=$?
}

printf '%s\n' "create exception E_MENSAGEM 'mensagem recusada';" 'set term ^;' \
  'create trigger T_MENSAGEM for GER_MENSAGEM before insert as begin exception E_MENSAGEM; end^' \
  'set term ;^' 'commit;' | isql-fb -q -user SYSDBA "$DB"
before=$(snapshot)
approve
check "a database error in the middle: exit 3" 3 "$rc"
contains "  ... the generic error text" '"result":"NOK|Erro durante a aprovação da proposta;"' "$out"
contains "  ... and the roll-back said" "rolled back" "$(cat "$WORK/call.err")"
check "  ... the database exactly as before" "$before" "$(snapshot)"

printf '%s\n' 'drop trigger T_MENSAGEM;' 'commit;' | isql-fb -q -user SYSDBA "$DB"
approve
check "without the error the approval succeeds" 0 "$rc"
contains "  ... with the minimum-price warning of function 322" \
  'A proposta pode ser aprovada, pois o usuário tem a função 322.;' "$out"
contains "  ... 5004 approved and its rival 5006 cancelled" \
  '"rows":[{"PROPOSTA":5004,"SITUACAO":"2"},{"PROPOSTA":5006,"SITUACAO":"8"}]' \
  "$("$VEICULO" sql --database "$DB" "select PROPOSTA, SITUACAO from VEI_PROPOSTA where VEICULO = 'V1004' order by PROPOSTA")"
check "  ... which changes what the snapshot shows" yes \
  "$([ "$before" != "$(snapshot)" ] && echo yes || echo no)"

[ "$failures" -eq 0 ]
