#include "database_options.h"

#include <filesystem>

#include "input_error.h"

namespace veiculo::cli {
namespace {

// "dbhost:/srv/dealer.fdb" (or "dbhost/3050:...") names a database on a
// server; a path without a colon past its first character is a local file.
bool IsServerPath(const std::string& database) {
  const size_t colon = database.find(':');
  return colon != std::string::npos && colon > 1;
}

}  // namespace

void DatabaseOptions::AddTo(CLI::App& command) {
  command.add_option("--database,-d", database,
                     "Firebird database: a file (embedded engine) or host:/path on a server");
  command.add_option("--odbc,--connect", odbc,
                     "ODBC connection string (SQL Server and Oracle sites)");
  command
      .add_option("--driver", driver,
                  "driver name reported for --odbc (ORACLE selects the Oracle dialect)")
      ->capture_default_str();
  command.add_option("--user", user, "database user")->capture_default_str();
  command.add_option("--password", password, "database password (not needed embedded)");
}

void DatabaseOptions::Check() const {
  if (database.empty() == odbc.empty())
    throw InputError(ErrorCategory::Validation, "give either --database or --odbc");
  if (!database.empty() && !IsServerPath(database) && !std::filesystem::exists(database))
    throw InputError(ErrorCategory::NotFound, "database file " + database + " does not exist");
}

std::unique_ptr<Connection> DatabaseOptions::Open() const {
  Check();
  if (!odbc.empty()) return Connection::OpenOdbc(odbc, driver);
  FirebirdOptions options;
  options.user = user;
  options.password = password;
  return Connection::OpenFirebird(database, options);
}

}  // namespace veiculo::cli
