#include "module/maker_utils/sql_dialect.h"

namespace veiculo::maker {

SqlDialect DialectFromName(std::string_view name) {
  if (name == "ORACLE" || name == "OR") return SqlDialect::Oracle;
  if (name == "INTERBASE" || name == "IB") return SqlDialect::Firebird;
  if (name == "SQLSERVER") return SqlDialect::SqlServer;
  return SqlDialect::Unknown;
}

}  // namespace veiculo::maker
