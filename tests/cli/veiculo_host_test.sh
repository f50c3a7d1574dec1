#!/bin/sh
# The host's own behaviour as a user meets it: help texts, --version, each exit
# status, `sql`'s row counts and parameter checks, errors that name what was
# wrong without quoting a whole statement, and masked passwords.
. "$(dirname "$0")/lib.sh"
DB="$WORK/demo.fdb"
"$VEICULO" init-db "$DB" --demo >/dev/null 2>&1 || { echo "FAIL init-db"; exit 1; }

run() {  # run ARGS... : stdout in $out, stderr in $err, status in $rc
  "$VEICULO" "$@" >"$WORK/out" 2>"$WORK/err"; rc=$?
  out=$(cat "$WORK/out"); err=$(cat "$WORK/err")
}
bad_input() {  # bad_input NAME EXPECTED-STDERR ARGS... : status 2, one line, nothing on stdout
  name="$1"; expected="$2"; shift 2
  run "$@"
  check "$name: status 2, nothing on stdout" "2 " "$rc $out"
  check "  ... says" "$expected" "$err"
}

# --- help, version, commands ------------------------------------------------------
run --version
check "--version names the program and its version" "0 veiculo 0.1.0" "$rc $out"
bad_input "an unknown command is named" \
  "veiculo: unknown command 'custos'; did you mean custo? (the commands are init-db, sql, call, run, demo, custo, estoque, salesforce)" \
  custos --todos
run --help
contains "--help lists the exit statuses" "3 the operation reported failure (rolled back)" "$out"

run call GravaDiferencaAvaliacaoSaida --help
check "call OP --help succeeds" 0 "$rc"
help="$out"
contains "  ... the signature" "GravaDiferencaAvaliacaoSaida(pfBancoDados: text, pfDataProcessamento: text, pfEmpresa: integer" "$help"
contains "  ... the purpose" "Books what a negotiation's trade-ins were paid above their appraisal" "$help"
contains "  ... that it writes" "Writes to the database: yes; a failure it reports rolls everything back (exit 3)" "$help"
contains "  ... the text formats" "pfDataProcessamento        text             a local date, dd/mm/yyyy" "$help"
contains "  ... an example" "Example: veiculo call GravaDiferencaAvaliacaoSaida pfBancoDados=... pfDataProcessamento=... pfEmpresa=1" "$help"
run call --list GravaDiferencaAvaliacaoSaida
check "call --list OP prints the same help" "$help" "$out"
run call AtualizaContato --help
contains "the holders an operation reads" \
  "Reads value holders: iPvUsuario, tPvDataProcessamento, Mens_Assunto, Mens_Mensagem" "$out"
contains "a date parameter's form" "pfDataContato              datetime         YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS" \
  "$("$VEICULO" call BuscaStatusLeads --help)"
bad_input "help of an unknown operation" \
  "veiculo: unknown operation 'LerVeicolo'; did you mean LerVeiculo?" call LerVeicolo --help
run call --help
contains "call --help without an operation is the command's help" "--markdown" "$out"
run call --list --markdown
check "the Markdown reference: one section per operation" \
  "$("$VEICULO" call --list | wc -l)" "$(printf '%s\n' "$out" | grep -c '^## ')"
contains "  ... with the parameter table" "| pfSituacao | text | CANCELAR, REABRIR or APROVAR |" "$out"

# --- sql: rows affected, --rollback, parameters checked before the database -----
run sql -d "$DB" "update GER_REVENDA set MARCA = MARCA where EMPRESA = :E" -p E=1
check "sql counts the rows it changed" "0 2 rows affected" "$rc $out"
run sql -d "$DB" "delete from GER_REVENDA where EMPRESA = 1 and REVENDA = 2" --rollback
check "sql --rollback runs and rolls back" "0 1 row affected (rolled back)" "$rc $out"
run sql -d "$DB" "select count(*) N from GER_REVENDA where EMPRESA = 1"
contains "  ... the dealer is still there" '"rows":[{"N":2}]' "$out"
bad_input "a marker without a value" \
  "veiculo: the SQL text's :R has no value; give -p R=VALUE" \
  sql -d "$DB" "select * from GER_REVENDA where EMPRESA = :E and REVENDA = :R" -p E=1
bad_input "a value for no marker" "veiculo: parameter X matches no :X in the SQL text" \
  sql -d "$DB" "select * from GER_REVENDA where EMPRESA = :E" -p E=1 -p X=2
bad_input "a value given twice" "veiculo: parameter e is given twice" \
  sql -d "$DB" "select * from GER_REVENDA where EMPRESA = :E" -p E=1 -p e=2

# --- input problems found before the database: status 2 ---------------------------
mkdir "$WORK/com espaco"
cp "$DB" "$WORK/com espaco/demo.fdb"
bad_input "a database path with blanks" \
  "veiculo: database path '$WORK/com espaco/demo.fdb' has blanks, which the Firebird connect string cannot carry; move or link the file to a path without them" \
  call LerParametro pfEmpresa=1 pfRevenda=1 --database "$WORK/com espaco/demo.fdb"
bad_input "text that is not UTF-8" \
  "veiculo: argument 3 is not valid UTF-8 text (check the terminal's encoding)" \
  call GravaMensagem "pfAssunto=$(printf 'Revis\343o')" pfMensagem=x --database "$DB"
bad_input "an SQL log on the database file" \
  "veiculo: SQL log $DB is the database file itself; log to another file" \
  call LerParametro pfEmpresa=1 pfRevenda=1 --database "$DB" --sql-log "$DB"
check "  ... the database is untouched" 0 "$("$VEICULO" sql -d "$DB" "select 1 from RDB\$DATABASE" >/dev/null 2>&1; echo $?)"

# --- database errors: status 1, the column named, the statement cut short ------
long=$(printf '%0300d' 0)
run sql -d "$DB" "update GER_REVENDA set MARCA = :Marca where EMPRESA = 1" -p "Marca=$long"
check "a text too long for its column: status 1" 1 "$rc"
contains "  ... names the parameter and its column's size" \
  "the value of :Marca (300 bytes) is too long for its column (40 bytes)" "$err"
contains "  ... quoting the value's start only" \
  "Value \"$(printf '%060d' 0) ... (240 more characters)\" is too long" "$err"
run sql -d "$DB" "update GER_REVENDA set MARCA = '$long$long' where EMPRESA = 1"
contains "a spliced text too long: the column named" \
  "column MARCA (given 600) takes 10 characters at most" "$err"
check "  ... and the statement quoted at most 300 characters" 1 \
  "$(printf '%s\n' "$err" | grep -c 'while executing: .* (351 more characters)$')"
lacks "  ... not whole" "$long$long" "$err"

# --- passwords never shown ---------------------------------------------------------
run call LerParametro pfEmpresa=1 pfRevenda=1 --odbc "DSN=naoexiste;UID=sa;PWD=Segredo1" \
  --driver SQLServer
check "an ODBC data source that cannot be opened: status 1" 1 "$rc"
contains "  ... names the data source" "DSN=naoexiste;UID=sa;PWD=***" "$err"
lacks "  ... without its password" "Segredo1" "$err"

[ "$failures" -eq 0 ]
