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

  void AddTo(CLI::App& command);
  // Throws InputError when neither or both of --database and --odbc are
  // given, or when --database names a local file that does not exist (a
  // "host:/path" on a server is left for the server to judge). Touches nothing.
  void Check() const;
  // Check(), then opens the database; throws veiculo::Error (database) when
  // the engine refuses it.
  std::unique_ptr<Connection> Open() const;
};

}  // namespace veiculo::cli
