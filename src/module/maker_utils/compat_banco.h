#pragma once
// CompatBanco: adapts a query written in the module's common SQL form to the
// dialect of the bound database. Every query of the module is written once in
// that form and passes through here when its dataset opens.
//
// The common form is Firebird 3 / ANSI SQL with Oracle's SUBSTR: COALESCE,
// CASE, ANSI joins (LEFT OUTER JOIN ... ON), "||" for text concatenation,
// CAST(x AS DATE) for the date part of a date-time, CURRENT_DATE, table aliases
// without AS, date literals from DataPSql / DataHoraPSql of the same dialect.
// Rewrites per dialect ("-" = left as written):
//
// | Common form              | ORACLE            | INTERBASE (Firebird 3)   | SQLSERVER           |
// |--------------------------|-------------------|--------------------------|---------------------|
// | SUBSTR(s, p, n)          | -                 | SUBSTRING(s FROM p FOR n)| SUBSTRING(s, p, n)  |
// | SUBSTR(s, p)             | -                 | SUBSTRING(s FROM p)      | SUBSTRING(s, p,     |
// |                          |                   |                          |   DATALENGTH(s))    |
// | SUBSTRING(s FROM p FOR n)| SUBSTR(s, p, n)   | -                        | SUBSTRING(s, p, n)  |
// | SUBSTRING(s, p, n)       | SUBSTR(s, p, n)   | SUBSTRING(s FROM p FOR n)| -                   |
// | a || b                   | -                 | -                        | a + b               |
// | NVL(a, b)                | -                 | COALESCE(a, b)           | COALESCE(a, b)      |
// | LENGTH(s), CHAR_LENGTH(s)| LENGTH(s)         | CHAR_LENGTH(s)           | LEN(s)              |
// | TRIM(s)                  | -                 | -                        | LTRIM(RTRIM(s))     |
// | CAST(x AS DATE)          | TRUNC(x)          | -                        | -                   |
// | CAST(x AS TIMESTAMP)     | -                 | -                        | CAST(x AS DATETIME) |
// | CAST(x AS DATETIME)      | CAST(x AS         | CAST(x AS TIMESTAMP)     | -                   |
// |                          |   TIMESTAMP)      |                          |                     |
// | CURRENT_DATE             | TRUNC(SYSDATE)    | -                        | CAST(GETDATE()      |
// |                          |                   |                          |   AS DATE)          |
// | EXTRACT(YEAR FROM x) 1   | -                 | -                        | DATEPART(YEAR, x)   |
// | FROM RDB$DATABASE        | FROM DUAL         | -                        | (removed)           |
//
// 1: also MONTH, DAY, HOUR, MINUTE and SECOND. Two-argument SUBSTRING and
// SUBSTRING ... FROM p without FOR follow the same rules as SUBSTR(s, p).
//
// Everything else (COALESCE, CASE, joins, CAST to other types, CURRENT_TIMESTAMP,
// date + days on date-time columns) runs unchanged on all three. Not covered:
// row limits (FIRST/TOP/ROWNUM), date differences, TRIM with FROM, EXTRACT of
// WEEKDAY; the common form avoids them. On SQL Server CAST(x AS DATE) yields a
// DATE, which compares with date-times but takes no "+ days".
//
// Contract:
// - Only SQL is rewritten: quoted literals, "quoted names", comments
//   (/* */, --) and :Parameter markers are copied as they are. Keywords and
//   function names are matched without regard to case; a name after "." is a
//   column, not a function. Rewritten calls are written in upper case; all other
//   text keeps its spelling and spacing.
// - Idempotent: CompatBanco(CompatBanco(q, d), d) == CompatBanco(q, d) (a call
//   already in the target form is left as written).
// - An unknown dialect name (empty included) returns the text unchanged.
// - `mode` 1 (translate the whole text) and `flag` false are the only forms the
//   module uses; any other value raises veiculo::Error (validation) rather than
//   being ignored.

#include <string>

namespace veiculo::maker {

std::string CompatBanco(const std::string& sql, const std::string& dialect, int mode = 1,
                        bool flag = false);

}  // namespace veiculo::maker
