// The SQL dialect translation: any text in the common form translates for
// each dialect without a fault, and translating twice gives what translating
// once gave (the rewrites leave their own output alone).

#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "module/maker_utils/compat_banco.h"
#include "veiculo/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string sql(reinterpret_cast<const char*>(data), size);
  for (const char* dialect : {"ORACLE", "INTERBASE", "SQLSERVER", ""}) {
    try {
      const std::string once = veiculo::maker::CompatBanco(sql, dialect);
      const std::string twice = veiculo::maker::CompatBanco(once, dialect);
      FUZZ_CHECK(twice == once);
    } catch (const veiculo::Error&) {
    }
  }
  return 0;
}
