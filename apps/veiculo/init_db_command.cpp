// veiculo init-db PATH [--demo] [--vehicles N]: creates an embedded Firebird
// database with the dealer schema, optionally loaded with the demo dealer and
// N synthetic vehicles.

#include <chrono>
#include <filesystem>
#include <iostream>

#include <fmt/format.h>

#include "commands.h"
#include "demo/demo_dealer.h"
#include "input_error.h"
#include "platform/db/schema_loader.h"
#include "veiculo/connection.h"
#include "veiculo/error.h"

namespace veiculo::cli {
namespace {

struct InitDbArgs {
  std::string path;
  bool demo = false;
  int vehicles = 0;
};

// The demo rows in one transaction of their own (the schema's DDL had to be
// committed before its tables take rows).
void LoadDemo(Connection& connection, const InitDbArgs& args) {
  connection.Begin();
  try {
    demo::LoadDemoDealer(connection);
    if (args.vehicles > 0) demo::LoadSyntheticVehicles(connection, args.vehicles);
    connection.Commit();
  } catch (...) {
    connection.Rollback();
    throw;
  }
}

void RunInitDb(const InitDbArgs& args) {
  namespace fs = std::filesystem;
  if (fs::exists(args.path))
    throw InputError(
        ErrorCategory::Validation,
        "database " + args.path + " already exists; remove it first to create it anew");
  if (args.vehicles < 0)
    throw InputError(ErrorCategory::Validation, "--vehicles cannot be negative");
  const auto started = std::chrono::steady_clock::now();
  const fs::path parent = fs::absolute(args.path).parent_path();
  fs::create_directories(parent);
  FirebirdOptions options;
  options.create = true;
  options.forced_writes = true;  // a database the user keeps
  try {
    auto connection = Connection::OpenFirebird(fs::absolute(args.path).string(), options);
    platform::LoadDealerSchema(*connection);
    if (args.demo) LoadDemo(*connection, args);
  } catch (...) {
    // A database without its schema or with half a demo is of no use: do not
    // leave it behind.
    std::error_code ignored;
    fs::remove(args.path, ignored);
    throw;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << "created " << args.path << " with " << platform::DealerSchemaStatements().size()
            << " schema statements";
  if (args.demo) std::cout << ", the demo dealer";
  if (args.vehicles > 0) std::cout << " and " << args.vehicles << " synthetic vehicles";
  std::cout << fmt::format(" in {:.2f} s\n", seconds);
}

}  // namespace

void AddInitDbCommand(CLI::App& app) {
  auto args = std::make_shared<InitDbArgs>();
  CLI::App* command =
      app.add_subcommand("init-db", "Create an embedded Firebird database with the dealer schema");
  command->add_option("path", args->path, "database file to create")->required();
  CLI::Option* demo =
      command->add_flag("--demo", args->demo, "load the demo dealer (company 1, dealers 1 and 2)");
  command->add_option("--vehicles", args->vehicles, "add N synthetic vehicles to the demo dealer")
      ->needs(demo);
  command->callback([args] { RunInitDb(*args); });
}

}  // namespace veiculo::cli
