#!/bin/sh
# Two `veiculo custo --todos` of the same dealer at once on one database of a
# few hundred vehicles (embedded and shared, or through a Firebird server on
# 127.0.0.1).
#
# "At once" is made certain: a third connection holds every vehicle of the
# dealer until the monitoring tables show both runs blocked on their first
# vehicle, then lets go. Whichever gets it first costs on; the other waits
# for its commit and is refused each vehicle the first one committed since
# the other's transaction began (an update conflict). Each run ends with exit
# 0, or exit 1 with the summary counting those conflicts and saying to run it
# again; at least one of them meets the other (both held at the first
# vehicle), and no other failure happens. The costing rows and the costs
# stored on the vehicles are then exactly those of one run alone (worked out
# on a copy): none lost, none doubled.
#
# Usage: rival_costings_test.sh VEICULO embedded|server
. "$(dirname "$0")/../../cli/lib.sh"
. "$(dirname "$0")/concurrency_lib.sh"
DB="$WORK/stock.fdb"
"$VEICULO" init-db "$DB" --demo --vehicles 210 >/dev/null 2>&1 || { echo "FAIL init-db"; exit 1; }

costings() {  # every costing row and the costs stored on the vehicles
  printf '%s\n' "select * from VEI_VEICULO_CUSTEIO order by EMPRESA, VEICULO, FORMULA, LINHA_FORMULA;" \
    "select count(*) from VEI_VEICULO_CUSTEIO;" \
    "select VEICULO, VAL_PRESENTE_VENDA, VAL_CUSTO_CONTABIL from VEI_VEICULO order by 1;" |
    FIREBIRD="$ROOT" isql-fb -q -user SYSDBA -password "$PASSWORD" "$1" 2>&1
}
cost() {  # cost DATABASE NAME: output in $WORK/NAME.{out,err,rc}
  "$VEICULO" custo --todos --data 2025-03-14 -d "$1" $AUTH >"$WORK/$2.out" 2>"$WORK/$2.err"
  echo $? >"$WORK/$2.rc"
}

cp "$DB" "$WORK/alone.fdb"
cost "$WORK/alone.fdb" alone
check "one run alone succeeds" 0 "$(cat "$WORK/alone.rc")"
vehicles=$(sed -n 's/^Costed \([0-9]*\) of \1 vehicles.*/\1/p' "$WORK/alone.out")
check "  ... costing over a hundred vehicles (more than one commit)" yes \
  "$([ "${vehicles:-0}" -gt 100 ] && echo yes)"
costings "$WORK/alone.fdb" >"$WORK/alone.costings"

[ "$VARIANT" = server ] && start_server
TARGET=$(target "$DB")
hold "$TARGET" "update VEI_VEICULO set VAL_PRESENTE_VENDA = VAL_PRESENTE_VENDA where EMPRESA = 1;"
cost "$TARGET" first &
first=$!
cost "$TARGET" second &
second=$!
blocked "$TARGET" "VEI_VEICULO SET VAL_PRESENTE_VENDA" 2
check "both runs blocked on their first vehicle at once ($VARIANT)" 0 "$?"
release
wait "$first" "$second"

met=0
for run in first second; do
  rc=$(cat "$WORK/$run.rc")
  summary=$(tail -n 1 "$WORK/$run.err")
  # "veiculo: database error: N of M vehicles could not be costed; N of them because ..."
  failed=$(printf '%s' "$summary" | sed -n 's/^veiculo: database error: \([0-9]*\) of [0-9]* vehicles could not be costed.*/\1/p')
  conflicts=$(printf '%s' "$summary" | sed -n 's/.*costed; \([0-9]*\) of them because another session was changing the same vehicles at the same moment (update conflict): run it again once that work is done$/\1/p')
  case "$rc" in
    0) check "the $run run finishes" "" "$failed" ;;
    1) met=$((met + 1))
       check "the $run run reports the vehicles the other one was costing as update conflicts, and only those" \
         "$failed" "${conflicts:-none}"
       contains "  ... each named with the engine's words" "update conflicts with concurrent update" \
         "$(cat "$WORK/$run.err")" ;;
    *) check "the $run run ends with exit 0 or 1" "0 or 1" "$rc" ;;
  esac
done
check "at least one run met the other" yes "$([ "$met" -ge 1 ] && echo yes)"
check "the costings are exactly those of one run alone" "$(cat "$WORK/alone.costings")" \
  "$(costings "$TARGET")"

[ "$failures" -eq 0 ]
