#include "database_options.h"

#include "veiculo/error.h"

namespace veiculo::cli {

void DatabaseOptions::AddTo(CLI::App& command) {
  command.add_option("--database,-d", database,
                     "Firebird database: a file (embedded engine) or host:/path on a server");
  command.add_option("--odbc", odbc, "ODBC connection string (SQL Server and Oracle sites)");
  command.add_option("--driver", driver,
                     "driver name reported for --odbc (ORACLE selects the Oracle dialect)")
      ->capture_default_str();
  command.add_option("--user", user, "database user")->capture_default_str();
  command.add_option("--password", password, "database password (not needed embedded)");
}

std::unique_ptr<Connection> DatabaseOptions::Open() const {
  if (database.empty() == odbc.empty())
    throw Error(ErrorCategory::Validation, "give either --database or --odbc");
  if (!odbc.empty()) return Connection::OpenOdbc(odbc, driver);
  FirebirdOptions options;
  options.user = user;
  options.password = password;
  return Connection::OpenFirebird(database, options);
}

}  // namespace veiculo::cli
