#!/bin/sh
# Several programs on one embedded database file at once, as at the desks of a
# dealership: `veiculo` processes reading and writing together, isql-fb run
# with the host's engine settings, and a program that holds the file alone.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"
"$VEICULO" init-db "$DB" --demo --vehicles 1000 >/dev/null 2>&1 || { echo "FAIL init-db"; exit 1; }

# One writing (costing 504 vehicles, a few seconds) while another reads.
"$VEICULO" custo --todos --database "$DB" --data 2025-03-14 >"$WORK/custo.out" 2>"$WORK/custo.err" &
writer=$!
sleep 1
"$VEICULO" call LerParametro pfEmpresa=1 pfRevenda=1 --database "$DB" >"$WORK/read.out" 2>"$WORK/read.err"; read_rc=$?
running=$(kill -0 "$writer" 2>/dev/null && echo yes || echo no)
wait "$writer"; write_rc=$?
check "a reader while custo --todos writes: both succeed" "0 0" "$read_rc $write_rc"
check "  ... the reader ran while the writer was at work" yes "$running"
contains "  ... the reader got its answer" '"result":true' "$(cat "$WORK/read.out")"

# Both writing at once: three messages from three processes started together.
for n in 1 2 3; do
  "$VEICULO" call GravaMensagem pfDataProcessamento=2025-03-14 pfEmpresa=1 pfRevenda=1 \
    pfUsuarioOri=1 pfUsuarioDes=2 pfProposta=0 pfAssunto="Mesa $n" pfMensagem=x \
    --database "$DB" >/dev/null 2>"$WORK/msg$n.err" &
  eval "pid$n=\$!"
done
wait "$pid1"; rc1=$?; wait "$pid2"; rc2=$?; wait "$pid3"; rc3=$?
check "three writers at once all succeed" "0 0 0" "$rc1 $rc2 $rc3"
check "  ... and all three messages are stored" 3 \
  "$(count "select count(*) N from GER_MENSAGEM where ASSUNTO starting 'Mesa '")"

# isql-fb with the host's engine settings reads while veiculo writes.
ROOT=$("$VEICULO" --engine-root)
"$VEICULO" custo --todos --database "$DB" --data 2025-03-15 >/dev/null 2>&1 &
writer=$!
sleep 1
isql=$(printf 'select count(*) from GER_REVENDA;\n' | FIREBIRD="$ROOT" isql-fb -q -user SYSDBA "$DB" 2>&1); isql_rc=$?
wait "$writer"; write_rc=$?
check "isql-fb alongside a writing veiculo: both succeed" "0 0" "$isql_rc $write_rc"
contains "  ... isql-fb read the dealers" "2" "$isql"

# A program that holds the file alone (isql-fb in the engine's default mode):
# veiculo waits --lock-timeout seconds, then says the database is in use.
(sleep 4 | FIREBIRD= isql-fb -q -user SYSDBA "$DB" >/dev/null 2>&1) &
holder=$!
sleep 1
start=$(date +%s)
"$VEICULO" call LerParametro pfEmpresa=1 pfRevenda=1 --database "$DB" --lock-timeout 1 \
  >"$WORK/held.out" 2>"$WORK/held.err"; rc=$?
waited=$(( $(date +%s) - start ))
wait "$holder"
check "a file held alone: status 1 after the timeout, one line" "1 1" "$rc $(wc -l <"$WORK/held.err" | tr -d ' ')"
contains "  ... says it is in use and how to reach it" \
  "is in use by another program that does not share it (a Firebird server, or a tool in another engine mode); reach it through the server as --database HOST:$DB" \
  "$(cat "$WORK/held.err")"
check "  ... after waiting about the timeout" yes "$([ "$waited" -ge 1 ] && [ "$waited" -le 3 ] && echo yes || echo no)"
"$VEICULO" call LerParametro pfEmpresa=1 pfRevenda=1 --database "$DB" >/dev/null 2>&1
check "once it is released, veiculo opens it again" 0 "$?"

[ "$failures" -eq 0 ]
