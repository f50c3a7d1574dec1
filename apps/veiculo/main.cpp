// veiculo: the command-line host of the vehicle module. It stands in for the
// application server: owns the connection and the transaction, calls the
// module and prints the results.
//
// Exit status: 0 on success; 2 for bad input (a malformed command line, an
// unknown operation or parameter, a value of the wrong type, a missing
// database file), reported as one line on stderr before anything is written;
// 1 when the work itself fails (a database error), after rolling back.

#include <CLI/CLI.hpp>

#include <iostream>

#include "commands.h"
#include "input_error.h"
#include "veiculo/error.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadInput = 2;

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"veiculo - vehicle module of the dealer management system"};
  app.require_subcommand(1);
  veiculo::cli::AddInitDbCommand(app);
  veiculo::cli::AddSqlCommand(app);
  veiculo::cli::AddCallCommand(app);
  veiculo::cli::AddRunCommand(app);
  veiculo::cli::AddDemoCommand(app);
  veiculo::cli::AddCustoCommand(app);
  veiculo::cli::AddEstoqueCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help
    std::cerr << "veiculo: " << e.what() << " (see --help)\n";
    return kBadInput;
  } catch (const veiculo::cli::InputError& e) {
    std::cerr << "veiculo: " << e.what() << "\n";
    return kBadInput;
  } catch (const veiculo::Error& e) {
    std::cerr << "veiculo: " << ToString(e.category()) << " error: " << e.what() << "\n";
    return kFailed;
  } catch (const std::exception& e) {
    std::cerr << "veiculo: error: " << e.what() << "\n";
    return kFailed;
  }
  return 0;
}
