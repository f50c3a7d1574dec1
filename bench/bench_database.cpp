#include "bench_database.h"

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/db/schema_loader.h"

namespace veiculo::bench {

BenchDatabase::BenchDatabase(bool forced_writes) {
  std::string pattern = (std::filesystem::temp_directory_path() / "veiculo-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temp folder");
  folder_ = pattern;
  setenv("FIREBIRD_LOCK", folder_.c_str(), 1);
  setenv("FIREBIRD_TMP", folder_.c_str(), 1);
  path_ = folder_ + "/dealer.fdb";
  FirebirdOptions options;
  options.create = true;
  options.forced_writes = forced_writes;
  connection_ = Connection::OpenFirebird(path_, options);
  platform::LoadDealerSchema(*connection_);
}

BenchDatabase::~BenchDatabase() {
  connection_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace veiculo::bench
