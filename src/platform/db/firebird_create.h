#pragma once
// Creation of a Firebird database file through the engine's own API (the
// database library can open databases but not create them).

#include <string>

#include "veiculo/connection.h"

namespace veiculo::platform {

// True when the database can be attached (the file exists and is a database).
bool FirebirdDatabaseExists(const std::string& database, const FirebirdOptions& options);
// Creates the database with the options' character set and forced-writes
// mode. Throws veiculo::Error (database) naming the database on failure.
void CreateFirebirdDatabase(const std::string& database, const FirebirdOptions& options);

}  // namespace veiculo::platform
