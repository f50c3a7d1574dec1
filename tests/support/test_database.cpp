#include "support/test_database.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "platform/db/schema_loader.h"

namespace veiculo::testing {
namespace {

struct FolderRemover {
  std::string folder;
  ~FolderRemover() {
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
  }
};

}  // namespace

std::string TemporaryFolder() {
  static FolderRemover remover;
  if (remover.folder.empty()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "veiculo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temp folder");
    remover.folder = pattern;
    // The embedded engine keeps its lock files here instead of /tmp/firebird.
    setenv("FIREBIRD_LOCK", remover.folder.c_str(), 1);
    setenv("FIREBIRD_TMP", remover.folder.c_str(), 1);
  }
  return remover.folder;
}

TestDatabase& TestDatabase::Instance() {
  static TestDatabase instance;
  return instance;
}

TestDatabase::TestDatabase() : folder_(TemporaryFolder()), path_(folder_ + "/dealer.fdb") {
  FirebirdOptions options;
  options.create = true;
  options.forced_writes = false;
  connection_ = Connection::OpenFirebird(path_, options);
  platform::LoadDealerSchema(*connection_);
}

std::unique_ptr<Connection> TestDatabase::OpenAnother() const {
  return Connection::OpenFirebird(path_);
}

}  // namespace veiculo::testing
