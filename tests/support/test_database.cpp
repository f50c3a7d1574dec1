#include "support/test_database.h"

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <functional>

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

// ctest runs every test case in a process of its own. Loading the schema in
// each would cost a fraction of a second per test, so the first process
// keeps a copy of its fresh database in the build tree as a template, named
// after the schema's text, and later processes copy that file instead.
std::string TemplatePath() {
  std::string schema;
  for (const std::string& statement : platform::DealerSchemaStatements()) schema += statement;
  return std::string(VEICULO_TEST_TEMPLATE_DIR) + "/dealer-" +
         std::to_string(std::hash<std::string>{}(schema)) + ".fdb";
}

void KeepAsTemplate(const std::string& database, const std::string& template_path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(fs::path(template_path).parent_path(), error);
  const std::string partial = template_path + ".part" + std::to_string(getpid());
  fs::copy_file(database, partial, fs::copy_options::overwrite_existing, error);
  // Renaming is atomic: another process sees the whole template or none.
  if (!error) fs::rename(partial, template_path, error);
  if (error) fs::remove(partial, error);
}

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
  namespace fs = std::filesystem;
  const std::string template_path = TemplatePath();
  std::error_code error;
  if (fs::exists(template_path) && fs::copy_file(template_path, path_, error)) {
    connection_ = Connection::OpenFirebird(path_);
    return;
  }
  FirebirdOptions options;
  options.create = true;
  options.forced_writes = false;
  connection_ = Connection::OpenFirebird(path_, options);
  platform::LoadDealerSchema(*connection_);
  // Copy the file while no one has it open.
  connection_.reset();
  KeepAsTemplate(path_, template_path);
  connection_ = Connection::OpenFirebird(path_);
}

std::unique_ptr<Connection> TestDatabase::OpenAnother() const {
  return Connection::OpenFirebird(path_);
}

}  // namespace veiculo::testing
