#pragma once
// The SQL dialects the dealer database may speak, named as the module's frame
// names them: "ORACLE", "INTERBASE" (Firebird 3) and "SQLSERVER". The short
// kinds "OR" and "IB" that the Salesforce loads use are accepted as the same
// dialects. Names are compared exactly (the frame only ever sets the upper-case
// forms); any other text is an unknown dialect.

#include <string_view>

namespace veiculo::maker {

enum class SqlDialect { Unknown, Oracle, Firebird, SqlServer };

SqlDialect DialectFromName(std::string_view name);

}  // namespace veiculo::maker
