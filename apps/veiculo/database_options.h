#pragma once
// How a command of the host reaches the dealer database: an embedded Firebird
// file or a server path (--database), or an ODBC data source (--odbc, also
// spelled --connect, with the driver name the module chooses its dialect
// from, --driver).

#include <CLI/CLI.hpp>

#include <memory>
#include <string>

#include "veiculo/connection.h"

namespace veiculo::cli {

struct DatabaseOptions {
  std::string database;
  std::string odbc;
  std::string driver = "SQLServer";
  std::string user = "SYSDBA";
  std::string password;
  // Seconds to wait for a database file another program holds.
  int lock_timeout = 0;

  void AddTo(CLI::App& command);
  // Throws InputError when neither or both of --database and --odbc are
  // given, when --database names a local file that does not exist (a
  // "host:/path" on a server is left for the server to judge) or a path with
  // blanks, which the engine's connect string cannot carry. Touches nothing.
  void Check() const;
  // Check(), then opens the database; throws veiculo::Error (database) when
  // the engine refuses it. A file another program holds is tried again for
  // up to --lock-timeout seconds, then refused in one line ("in use"). The
  // connection's statements stop at an interrupt (interrupts.h).
  std::unique_ptr<Connection> Open() const;
  // Whether --database names this local file.
  bool IsDatabaseFile(const std::string& path) const;
};

}  // namespace veiculo::cli
