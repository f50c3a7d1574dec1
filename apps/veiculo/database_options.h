#pragma once
// How a command of the host reaches the dealer database: an embedded Firebird
// file or a server path (--database), or an ODBC data source (--odbc with the
// driver name the module chooses its dialect from, --driver).

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
  // Throws veiculo::Error when neither or both of --database and --odbc are given,
  // or when the database cannot be opened.
  std::unique_ptr<Connection> Open() const;
};

}  // namespace veiculo::cli
