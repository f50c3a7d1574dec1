#!/bin/sh
# Two desks approve the two rival proposals of vehicle V1004 (5004 at the
# head office, 5006 at the branch) at the same moment, each through its own
# `veiculo call`, on one database: opened by both (embedded, shared through
# the engine's lock files) or through a Firebird server on 127.0.0.1.
#
# "The same moment" is made certain: a third connection holds the row both
# approvals write first (5004's negotiation: one approves it, the other
# rejects it) until the monitoring tables show both approvals blocked on it,
# then lets go. One approval gets the row and commits; the other waits for it
# and is refused with the engine's update conflict: exit 1, one line naming
# the conflict, nothing of it kept. The database then is exactly what the
# winner's approval alone leaves (worked out on copies of the database).
#
# Usage: rival_approvals_test.sh VEICULO embedded|server
. "$(dirname "$0")/../../cli/lib.sh"
. "$(dirname "$0")/concurrency_lib.sh"
DB="$WORK/demo.fdb"
"$VEICULO" init-db "$DB" --demo >/dev/null 2>&1 || { echo "FAIL init-db"; exit 1; }

# Everything an approval writes, as one text; instants that depend on the
# clock are reduced to what does not (the day, whether it is set).
snapshot() {
  printf '%s\n' \
    "select REVENDA, PROPOSTA, NEGOCIACAO, APR_GERENCIAL, USU_GERENCIAL, cast(DTA_APR_GERENCIAL as date) from VEI_NEGOCIACAO order by 1, 2, 3;" \
    "select REVENDA, PROPOSTA, NEGOCIACAO_FINAL, SITUACAO, OBSERVACAO from VEI_PROPOSTA order by 1, 2;" \
    "select VEICULO, RESERVADO, CLIENTE_RESERVA, VENDEDOR_RESERVA, DTA_RESERVA, DTA_FIM_RESERVA > DTA_RESERVA from VEI_VEICULO order by 1;" \
    "select * from VEI_PROPOSTA_OPCIONAL order by 1, 2, 3, 4;" \
    "select USUARIO_ORIGEM, USUARIO_DESTINO, ASSUNTO, MENSAGEM, SITUACAO from GER_MENSAGEM order by 1, 2, 3, 4;" \
    "select EMPRESA, REVENDA, PROPOSTA, USUARIO_ORIGEM, USUARIO_DESTINO from VEI_MENSAGEM_PROPOSTA order by 1, 2, 3, 4, 5;" \
    "select CONTATO, SITUACAO, RESULTADO, DTA_FECHAMENTO is null from CAC_CONTATO order by 1;" \
    "select CONTATO, USUARIO, TIPO_PROVIDENCIA, DES_PROVIDENCIA, MOTIVO from CAC_PROVIDENCIA order by 1, 2, 3, 4;" \
    "select count(*) from VEI_DESPESA_VEICULO;" |
    FIREBIRD="$ROOT" isql-fb -q -user SYSDBA -password "$PASSWORD" "$1" 2>&1
}
approve() {  # approve DATABASE DEALER PROPOSAL: output in $WORK/PROPOSAL.{out,err,rc}
  "$VEICULO" call AprovacaoGerencialProposta pfBancoDados=INTERBASE pfEmpresa=1 \
    pfRevenda="$2" pfProposta="$3" pfNegociacao=1 pfUsuario=1 pfDataProcessamento=2025-03-14 \
    pfIntegracaoFI=0 -d "$1" $AUTH >"$WORK/$3.out" 2>"$WORK/$3.err"
  echo $? >"$WORK/$3.rc"
}

# What each approval alone leaves, on copies, before anything else runs.
for rival in 1:5004 2:5006; do
  cp "$DB" "$WORK/alone.fdb"
  approve "$WORK/alone.fdb" "${rival%:*}" "${rival#*:}"
  check "approving ${rival#*:} alone succeeds" 0 "$(cat "$WORK/${rival#*:}.rc")"
  snapshot "$WORK/alone.fdb" >"$WORK/alone_${rival#*:}"
done
check "the two approvals alone leave different databases" yes \
  "$(cmp -s "$WORK/alone_5004" "$WORK/alone_5006" || echo yes)"

[ "$VARIANT" = server ] && start_server
TARGET=$(target "$DB")
before=$(snapshot "$TARGET")

hold "$TARGET" "update VEI_NEGOCIACAO set APR_GERENCIAL = APR_GERENCIAL where EMPRESA = 1 \
and REVENDA = 1 and PROPOSTA = 5004 and NEGOCIACAO = 1;"
approve "$TARGET" 1 5004 &
first=$!
approve "$TARGET" 2 5006 &
second=$!
blocked "$TARGET" "update VEI_NEGOCIACAO" 2
check "both approvals blocked on the held row at once ($VARIANT)" 0 "$?"
release
wait "$first" "$second"

rcs="$(cat "$WORK/5004.rc") $(cat "$WORK/5006.rc")"
case "$rcs" in
  "0 1") winner=5004 loser=5006 ;;
  "1 0") winner=5006 loser=5004 ;;
  *) winner=none loser=none ;;
esac
check "one approval commits, its rival is refused (exit 0 and 1)" yes \
  "$([ "$winner" != none ] && echo yes || echo "no: $rcs")"
if [ "$winner" != none ]; then
  contains "  ... the winner's answer is OK" '"result":"OK|' "$(cat "$WORK/$winner.out")"
  check "  ... the loser prints no result" "" "$(cat "$WORK/$loser.out")"
  check "  ... and one line on stderr" 1 "$(wc -l <"$WORK/$loser.err" | tr -d ' ')"
  contains "  ... naming the engine's update conflict" \
    "veiculo: database error: AprovacaoGerencialProposta met another session changing the same rows at the same moment (deadlock; update conflicts with concurrent update; concurrent transaction number is" \
    "$(cat "$WORK/$loser.err")"
  contains "  ... and that nothing of it was kept" "nothing of this call was kept: try it again" \
    "$(cat "$WORK/$loser.err")"
  check "  ... the database is what the winner's approval alone leaves" \
    "$(cat "$WORK/alone_$winner")" "$(snapshot "$TARGET")"
fi
check "exactly one of the rivals is approved" \
  '{"fields":[{"name":"N","type":"integer"}],"rows":[{"N":1}]}' \
  "$("$VEICULO" sql -d "$TARGET" $AUTH "select count(*) N from VEI_NEGOCIACAO where PROPOSTA in (5004, 5006) and APR_GERENCIAL = 'A'")"
check "the database changed from before" yes "$([ "$before" != "$(snapshot "$TARGET")" ] && echo yes)"

[ "$failures" -eq 0 ]
