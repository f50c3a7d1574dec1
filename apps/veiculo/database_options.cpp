#include "database_options.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "input_error.h"
#include "interrupts.h"
#include "messages.h"

namespace veiculo::cli {
namespace {

// "dbhost:/srv/dealer.fdb" (or "dbhost/3050:...") names a database on a
// server; a path without a colon past its first character is a local file.
bool IsServerPath(const std::string& database) {
  const size_t colon = database.find(':');
  return colon != std::string::npos && colon > 1;
}

// The engine's words for a file held by a program that does not share it (a
// server in its Super mode, a tool running the embedded engine's default mode).
bool HeldByAnother(const Error& e) {
  const std::string& text = e.what();
  return text.find("lock") != std::string::npos &&
         (text.find("already opened") != std::string::npos ||
          text.find("I/O error") != std::string::npos);
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
  command
      .add_option("--lock-timeout", lock_timeout,
                  "seconds to wait for a database file another program holds")
      ->check(CLI::NonNegativeNumber)
      ->capture_default_str();
}

void DatabaseOptions::Check() const {
  RegisterSecret(password);
  if (database.empty() == odbc.empty())
    throw InputError(ErrorCategory::Validation, "give either --database or --odbc");
  if (database.empty()) return;
  if (database.find_first_of(" \t\r\n") != std::string::npos)
    throw InputError(ErrorCategory::Validation,
                     "database path '" + database +
                         "' has blanks, which the Firebird connect string cannot carry; move or "
                         "link the file to a path without them");
  if (!IsServerPath(database) && !std::filesystem::exists(database))
    throw InputError(ErrorCategory::NotFound, "database file " + database + " does not exist");
}

bool DatabaseOptions::IsDatabaseFile(const std::string& path) const {
  std::error_code error;
  return !database.empty() && !IsServerPath(database) &&
         std::filesystem::equivalent(database, path, error);
}

std::unique_ptr<Connection> DatabaseOptions::Open() const {
  Check();
  std::unique_ptr<Connection> connection;
  if (!odbc.empty()) {
    connection = Connection::OpenOdbc(odbc, driver);
  } else {
    FirebirdOptions options;
    options.user = user;
    options.password = password;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(lock_timeout);
    for (;;) {
      try {
        connection = Connection::OpenFirebird(database, options);
        break;
      } catch (const Error& e) {
        if (!HeldByAnother(e)) throw;
        if (std::chrono::steady_clock::now() >= deadline)
          throw Error(ErrorCategory::Database,
                      "database " + database +
                          " is in use by another program that does not share it (a Firebird "
                          "server, or a tool in another engine mode); reach it through the "
                          "server as --database HOST:" +
                          std::filesystem::absolute(database).string() +
                          ", or wait longer with --lock-timeout SECONDS");
        CheckInterrupt();
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
      }
    }
  }
  connection->SetStatementLog([](const std::string&) { CheckInterrupt(); });
  return connection;
}

}  // namespace veiculo::cli
