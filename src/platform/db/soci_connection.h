#pragma once
// Opens the engine side of a Connection through the database library: an
// embedded or server Firebird database, or an ODBC data source.

#include <memory>
#include <string>

#include "platform/db/connection_impl.h"

namespace veiculo::platform {

std::unique_ptr<ConnectionImpl> OpenFirebirdImpl(const std::string& database,
                                                 const FirebirdOptions& options);
std::unique_ptr<ConnectionImpl> OpenOdbcImpl(const std::string& connection_string,
                                             const std::string& driver_name);

}  // namespace veiculo::platform
