// veiculo: the command-line host of the vehicle module. It stands in for the
// application server: owns the connection and the transaction, calls the
// module and prints the results.

#include <CLI/CLI.hpp>

#include <iostream>

#include "commands.h"
#include "veiculo/error.h"

int main(int argc, char** argv) {
  CLI::App app{"veiculo - vehicle module of the dealer management system"};
  app.require_subcommand(1);
  veiculo::cli::AddInitDbCommand(app);
  veiculo::cli::AddSqlCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  } catch (const veiculo::Error& e) {
    std::cerr << "veiculo: " << ToString(e.category()) << " error: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "veiculo: error: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
