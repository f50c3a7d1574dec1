#pragma once
// SQL date and date-time literals for the dialect of the bound database, as
// the module splices them into its SQL text.
//
// | Dialect   | DataPSql (date)                    | DataHoraPSql (date and time)           |
// |-----------|------------------------------------|----------------------------------------|
// | INTERBASE | '2024-02-29'                       | '2024-02-29 13:45:10'                  |
// | ORACLE    | TO_DATE('2024-02-29','YYYY-MM-DD') | TO_DATE('2024-02-29 13:45:10',         |
// |           |                                    |         'YYYY-MM-DD HH24:MI:SS')       |
// | SQLSERVER | '20240229'                         | '2024-02-29T13:45:10'                  |
//
// (The Oracle date-time literal is written on one line, without blanks after
// the comma.)
//
// - Firebird converts the quoted text to DATE / TIMESTAMP where it meets a date
//   column (comparison, insert); SQL Server reads 'YYYYMMDD' and
//   'YYYY-MM-DDTHH:MM:SS' the same whatever the session's language and date
//   format (the separated 'YYYY-MM-DD' is not safe there for DATETIME).
// - DataPSql takes the date part only; DataHoraPSql keeps hours, minutes and
//   seconds, and drops milliseconds (a time within half a millisecond of
//   midnight counts as the next day, as the platform's date decoding does).
// - Date 0 (the platform's "no date") is written like any other date, as
//   30 December 1899: callers that mean NULL write NULL themselves.
// - The dialect names are those of sql_dialect.h ("OR" and "IB" included). An
//   unknown name, or a value that is not a date between the years 1 and 9999,
//   raises veiculo::Error (validation): a literal in a guessed form would be
//   read wrongly without any error.

#include <string>

#include "platform/format/date_time.h"

namespace veiculo::maker {

std::string DataPSql(platform::TDateTime value, const std::string& dialect);
std::string DataHoraPSql(platform::TDateTime value, const std::string& dialect);

}  // namespace veiculo::maker
