// veiculo init-db PATH: creates an embedded Firebird database with the dealer schema.

#include <filesystem>
#include <iostream>

#include "commands.h"
#include "platform/db/schema_loader.h"
#include "veiculo/connection.h"
#include "veiculo/error.h"

namespace veiculo::cli {
namespace {

struct InitDbArgs {
  std::string path;
};

void RunInitDb(const InitDbArgs& args) {
  namespace fs = std::filesystem;
  if (fs::exists(args.path))
    throw Error(ErrorCategory::Validation,
                "database " + args.path + " already exists; remove it first to create it anew");
  const fs::path parent = fs::absolute(args.path).parent_path();
  fs::create_directories(parent);
  FirebirdOptions options;
  options.create = true;
  options.forced_writes = true;  // a database the user keeps
  try {
    auto connection = Connection::OpenFirebird(fs::absolute(args.path).string(), options);
    platform::LoadDealerSchema(*connection);
  } catch (...) {
    // A database without its schema is of no use: do not leave it behind.
    std::error_code ignored;
    fs::remove(args.path, ignored);
    throw;
  }
  std::cout << "created " << args.path << " with " << platform::DealerSchemaStatements().size()
            << " schema statements\n";
}

}  // namespace

void AddInitDbCommand(CLI::App& app) {
  auto args = std::make_shared<InitDbArgs>();
  CLI::App* command = app.add_subcommand(
      "init-db", "Create an embedded Firebird database with the dealer schema");
  command->add_option("path", args->path, "database file to create")->required();
  command->callback([args] { RunInitDb(*args); });
}

}  // namespace veiculo::cli
