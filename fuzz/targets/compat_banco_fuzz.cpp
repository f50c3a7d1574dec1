// The SQL dialect translation: any text in the common form translates for
// each dialect without a fault, and translating twice gives what translating
// once gave (the rewrites leave their own output alone).
//
// One exception: for SQL Server "FROM RDB$DATABASE" is removed, and where it
// stood inside a SUBSTRING's arguments (never in a real query) the call reads
// differently on the second pass; such texts are translated but not compared.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/text.h"

#include "check.h"
#include "module/maker_utils/compat_banco.h"
#include "veiculo/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string sql(reinterpret_cast<const char*>(data), size);
  for (const char* dialect : {"ORACLE", "INTERBASE", "SQLSERVER", ""}) {
    try {
      const std::string once = veiculo::maker::CompatBanco(sql, dialect);
      const std::string twice = veiculo::maker::CompatBanco(once, dialect);
      const bool removes_from =
          std::string(dialect) == "SQLSERVER" &&
          veiculo::platform::UpperCase(sql).find("RDB$DATABASE") != std::string::npos;
      if (!removes_from) FUZZ_CHECK(twice == once);
    } catch (const veiculo::Error&) {
    }
  }
  return 0;
}
