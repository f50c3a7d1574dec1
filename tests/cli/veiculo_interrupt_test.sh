#!/bin/sh
# SIGINT and SIGTERM at a random moment of `veiculo custo --todos`: the vehicle
# in progress is rolled back, the ones costed before it stay complete, the
# summary so far is printed, the status is 130 / 143, and the database passes
# `gfix -v -full`.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"
"$VEICULO" init-db "$DB" --demo --vehicles 2000 >/dev/null 2>&1 || { echo "FAIL init-db"; exit 1; }

for signal in INT TERM; do
  "$VEICULO" sql -d "$DB" "delete from VEI_VEICULO_CUSTEIO" >/dev/null
  "$VEICULO" custo --todos --database "$DB" --data 2025-03-14 >"$WORK/out" 2>"$WORK/err" &
  pid=$!
  # Somewhere between 1 and 3 seconds into the run (the whole run of 1,004 vehicles takes several seconds).
  sleep "$(awk 'BEGIN { srand(); printf "%.2f", 1 + 2 * rand() }')"
  kill -"$signal" "$pid"
  wait "$pid"; rc=$?
  [ "$signal" = INT ] && expected=130 || expected=143
  check "SIG$signal: status $expected" "$expected" "$rc"
  summary=$(grep '^Interrupted by' "$WORK/out")
  done=$(printf '%s\n' "$summary" | sed -n 's/^Interrupted by SIG[A-Z]* after \([0-9]*\) of .*/\1/p')
  contains "  ... prints the summary so far" \
    "Interrupted by SIG$signal after $done of 1004 vehicles; the vehicle in progress was rolled back" "$summary"
  contains "  ... and says what happened" \
    "veiculo: interrupted by SIG$signal; the work in flight was rolled back" "$(cat "$WORK/err")"
  lacks "  ... without a crash" "terminate" "$(cat "$WORK/err")"
  check "  ... the vehicles costed before it are kept" "$done" \
    "$(count "select count(distinct VEICULO) N from VEI_VEICULO_CUSTEIO")"
  # A vehicle is complete when it has one costing row per active line of its
  # formula, less the lines of incidence "(" the costing skips (NOVOS: 20
  # lines, line 7 skipped, 19 rows; USADOS: 4 rows).
  check "  ... each of them complete" 0 "$(count "select count(*) N from VEI_VEICULO v where exists (select 1 from VEI_VEICULO_CUSTEIO c where c.EMPRESA = v.EMPRESA and c.VEICULO = v.VEICULO) and (select count(*) from VEI_VEICULO_CUSTEIO c where c.EMPRESA = v.EMPRESA and c.VEICULO = v.VEICULO) <> (select count(*) from VEI_FORMULA_LINHA f where f.EMPRESA = v.EMPRESA and f.FORMULA = v.FORMULA and f.STATUS = 'A' and f.INCIDENCIA <> '(')")"
  check "  ... gfix -v -full finds nothing" "" "$(gfix -v -full -user SYSDBA "$DB" 2>&1)"
done

[ "$failures" -eq 0 ]
