#include "module/maker_utils/sql_literals.h"

#include <fmt/format.h>

#include <cmath>

#include "module/maker_utils/sql_dialect.h"
#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

SqlDialect RequireDialect(const std::string& dialect, const char* function) {
  const SqlDialect d = DialectFromName(dialect);
  if (d == SqlDialect::Unknown)
    throw Error(ErrorCategory::Validation,
                std::string(function) + ": unknown database dialect \"" + dialect + "\"");
  return d;
}

platform::CivilDate RequireDate(platform::TDateTime value, const char* function) {
  const bool finite = std::isfinite(value);
  const platform::CivilDate date = finite ? platform::DecodeDate(value) : platform::CivilDate{};
  if (!finite || date.year < 1 || date.year > 9999)
    throw Error(ErrorCategory::Validation, std::string(function) + ": date-time out of range (" +
                                               fmt::format("{}", value) + ")");
  return date;
}

}  // namespace

std::string DataPSql(platform::TDateTime value, const std::string& dialect) {
  const SqlDialect d = RequireDialect(dialect, "DataPSql");
  const platform::CivilDate c = RequireDate(value, "DataPSql");
  switch (d) {
    case SqlDialect::Oracle:
      return fmt::format("TO_DATE('{:04}-{:02}-{:02}','YYYY-MM-DD')", c.year, c.month, c.day);
    case SqlDialect::SqlServer:
      return fmt::format("'{:04}{:02}{:02}'", c.year, c.month, c.day);
    default:
      return fmt::format("'{:04}-{:02}-{:02}'", c.year, c.month, c.day);
  }
}

std::string DataHoraPSql(platform::TDateTime value, const std::string& dialect) {
  const SqlDialect d = RequireDialect(dialect, "DataHoraPSql");
  const platform::CivilDate c = RequireDate(value, "DataHoraPSql");
  const platform::TimeOfDay t = platform::DecodeTime(value);
  const std::string date = fmt::format("{:04}-{:02}-{:02}", c.year, c.month, c.day);
  const std::string time = fmt::format("{:02}:{:02}:{:02}", t.hour, t.minute, t.second);
  switch (d) {
    case SqlDialect::Oracle:
      return "TO_DATE('" + date + " " + time + "','YYYY-MM-DD HH24:MI:SS')";
    case SqlDialect::SqlServer:
      return "'" + date + "T" + time + "'";
    default:
      return "'" + date + " " + time + "'";
  }
}

}  // namespace veiculo::maker
