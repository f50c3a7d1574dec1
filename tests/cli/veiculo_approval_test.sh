#!/bin/sh
# The managerial approval through `veiculo call` on the demo database: 5004
# is approved with the minimum-price warning and its rival 5006 rejected. (A
# database error at any statement of the approval, rolled back whole, is
# tests/hardening/faults.)
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

"$VEICULO" init-db "$DB" --demo >/dev/null 2>&1
check "init-db --demo succeeds" 0 "$?"

out=$("$VEICULO" call AprovacaoGerencialProposta pfBancoDados=INTERBASE pfEmpresa=1 \
  pfRevenda=1 pfProposta=5004 pfNegociacao=1 pfUsuario=1 pfDataProcessamento=2025-03-14 \
  pfIntegracaoFI=0 --database "$DB" 2>"$WORK/call.err"); rc=$?
check "the approval succeeds" 0 "$rc"
contains "  ... with the minimum-price warning of function 322" \
  'A proposta pode ser aprovada, pois o usuário tem a função 322.;' "$out"
contains "  ... 5004 approved and its rival 5006 cancelled" \
  '"rows":[{"PROPOSTA":5004,"SITUACAO":"2"},{"PROPOSTA":5006,"SITUACAO":"8"}]' \
  "$("$VEICULO" sql --database "$DB" "select PROPOSTA, SITUACAO from VEI_PROPOSTA where VEICULO = 'V1004' order by PROPOSTA")"

[ "$failures" -eq 0 ]
