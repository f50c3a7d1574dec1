#!/bin/sh
# The proposal operations through `veiculo call` and `veiculo run` on the demo
# database: messages (two rows, a second apart, without waiting), lookups, the
# trade-in over-allowance and contact updates. Expected figures come from the
# demo's proposal rows (apps/veiculo/demo/proposal_rows.cpp).
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"

sql() {  # sql TEXT : the rows of a query as a data packet
  "$VEICULO" sql -d "$DB" "$1" 2>&1
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

out=$("$VEICULO" init-db "$DB" --demo 2>&1); rc=$?
check "init-db --demo succeeds" 0 "$rc"

# --- GravaMensagem --------------------------------------------------------------
call GravaMensagem pfDataProcessamento=2025-03-14 pfEmpresa=1 pfRevenda=1 pfUsuarioOri=1 \
  pfUsuarioDes=2 pfProposta=5001 "pfAssunto=Proposta Nr.[5001/1] Aprovada" "pfMensagem=Aprovada"
check "GravaMensagem succeeds" 0 "$rc"
contains "the message row, new, on the processing date" \
  '"DTA_MENSAGEM":"2025-03-14T' "$(sql "select * from GER_MENSAGEM")"
contains "  ... filed under proposal 5001 with the same stamp" '"rows":[{"N":1}]' \
  "$(sql "select count(*) N from VEI_MENSAGEM_PROPOSTA p join GER_MENSAGEM m on m.DTA_MENSAGEM = p.DTA_MENSAGEM where p.PROPOSTA = 5001 and p.USUARIO_DESTINO = 2")"

# Three messages of one session: a second apart, without three seconds of waiting.
msg='{"operation": "GravaMensagem", "params": {"pfDataProcessamento": "2025-03-14", "pfEmpresa": 1, "pfRevenda": 1, "pfUsuarioOri": 1, "pfUsuarioDes": 2, "pfProposta": 0, "pfAssunto": "Lote", "pfMensagem": "a"}}'
echo "[$msg, $msg, $msg]" >"$WORK/lote.json"
start=$(now_ms)
"$VEICULO" run "$WORK/lote.json" --database "$DB" >/dev/null 2>&1; rc=$?
elapsed=$(($(now_ms) - start))
check "three messages in one run succeed" 0 "$rc"
check "  ... in less than the three seconds of waiting (${elapsed} ms)" yes \
  "$([ "$elapsed" -lt 2500 ] && echo yes || echo no)"
contains "  ... each at least a second after the one before" '"rows":[{"N":3,"C":0}]' \
  "$(sql "select (select count(distinct DTA_MENSAGEM) from GER_MENSAGEM where ASSUNTO = 'Lote') N, (select count(*) from GER_MENSAGEM a join GER_MENSAGEM b on b.DTA_MENSAGEM > a.DTA_MENSAGEM where a.ASSUNTO = 'Lote' and b.ASSUNTO = 'Lote' and datediff(second from a.DTA_MENSAGEM to b.DTA_MENSAGEM) < 1) C from RDB\$DATABASE")"

# --- lookups on the demo proposals ------------------------------------------------
call BuscaProposta pfEmpresa=1 pfRevenda=0 pfVeiculo=V1002 pfCliente=-1
contains "V1002 is held by the approved 5001 (the cancelled 5002 does not count)" \
  '"result":5001,"out":{"pfRevenda":1}' "$out"
call BuscaSituacaoProposta pfEmpresa=1 pfRevenda=1 pfProposta=5004
contains "5004's contact has a sale pending at the front cashier" \
  '"result":"F","out":{"pfDescricao":"Frente Caixa"}' "$out"
call BuscaAcessoriosProposta pfEmpresa=1 pfRevenda=1 pfProposta=5001 pfNegociacao=1
contains "5001's accessories" '2;Película solar;890,00;S|' "$out"

# --- the trade-in over-allowance: appraised at 43.500,00, taken for 45.000,00 ----
for n in 1 2; do
  call GravaDiferencaAvaliacaoSaida pfBancoDados=INTERBASE pfDataProcessamento=14/03/2025 \
    pfEmpresa=1 pfRevenda=1 pfProposta=5001 pfNegociacao=1 pfDifAvaliacaoSaida=90
  contains "GravaDiferencaAvaliacaoSaida run $n returns true" '"result":true' "$out"
done
contains "  ... one expense row of 1.500,00 on V1002" \
  '"rows":[{"VEICULO":"V1002","DOCUMENTO":5001,"VAL_DESPESA_VEICULO":1500.0}]' \
  "$(sql "select VEICULO, DOCUMENTO, VAL_DESPESA_VEICULO from VEI_DESPESA_VEICULO where DESPESA = 90")"
# A failure reported after writing keeps nothing: with expenses over 1.000,00
# refused, a third booking deletes the row of 1.500,00, fails on its insert and
# answers false; the host rolls back, so the row is still there.
sql "alter table VEI_DESPESA_VEICULO add constraint CK_DESPESA_TESTE check (VAL_DESPESA_VEICULO <= 1000)" >/dev/null
call GravaDiferencaAvaliacaoSaida pfBancoDados=INTERBASE pfDataProcessamento=14/03/2025 \
  pfEmpresa=1 pfRevenda=1 pfProposta=5001 pfNegociacao=1 pfDifAvaliacaoSaida=90
check "a false result from an operation that writes exits 3" 3 "$rc"
contains "  ... prints the result" '"result":false' "$out"
check "  ... says its work was rolled back" \
  "veiculo: GravaDiferencaAvaliacaoSaida reported failure; its work was rolled back" "$(cat "$WORK/call.err")"
contains "  ... the deleted row is still there" '"rows":[{"VAL_DESPESA_VEICULO":1500.0}]' \
  "$(sql "select VAL_DESPESA_VEICULO from VEI_DESPESA_VEICULO where DESPESA = 90")"
sql "alter table VEI_DESPESA_VEICULO drop constraint CK_DESPESA_TESTE" >/dev/null

# --- contact updates --------------------------------------------------------------
cat >"$WORK/contato.json" <<'JSON'
[{"operation": "SettPvDataProcessamento", "params": {"value": "2025-03-14"}},
 {"operation": "SetiPvUsuario", "params": {"value": 3}},
 {"operation": "BuscaMarca", "params": {"pfEmpresa": 1, "pfRevenda": 2}},
 {"operation": "AtualizaContato", "params": {"pfEmpresa": 1, "pfRevenda": 2, "pfContato": 803,
   "pfProposta": 5003, "pfSituacao": "CANCELAR", "pfFormaContato": ""}}]
JSON
"$VEICULO" run "$WORK/contato.json" --database "$DB" >/dev/null 2>"$WORK/run.err"; rc=$?
check "cancelling 5003 on its contact succeeds" 0 "$rc"
contains "  ... closes the contact; a RENA dealer's lead becomes 6" \
  '"rows":[{"SITUACAO":"F","RESULTADO":"P","STATUS_LEADS":6}]' \
  "$(sql "select SITUACAO, RESULTADO, STATUS_LEADS from CAC_CONTATO where REVENDA = 2 and CONTATO = 803")"
contains "  ... and logs the action with the dealer's contact form" \
  '"rows":[{"PROVIDENCIA":1,"USUARIO":3,"FORMA_CONTATO":1,"DES_PROVIDENCIA":"CANCELAMENTO DA PROPOSTA NR.[5003]"}]' \
  "$(sql "select PROVIDENCIA, USUARIO, FORMA_CONTATO, DES_PROVIDENCIA from CAC_PROVIDENCIA where REVENDA = 2 and CONTATO = 803")"

call AtualizaContato pfEmpresa=1 pfRevenda=1 pfContato=804 pfProposta=5004 pfSituacao=CANCELADO \
  pfFormaContato=
check "an unknown contact action fails" 1 "$rc"
contains "  ... naming the action" "unknown action 'CANCELADO'" "$(cat "$WORK/call.err")"
contains "  ... and writes nothing" '"rows":[{"N":0}]' \
  "$(sql "select count(*) N from CAC_PROVIDENCIA where CONTATO = 804")"

[ "$failures" -eq 0 ]
