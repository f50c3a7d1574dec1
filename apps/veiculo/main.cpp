// veiculo: the command-line host of the vehicle module. It stands in for the
// application server: owns the connection and the transaction, calls the
// module and prints the results.
//
// Exit status (exit_codes.h): 0 done; 1 the database refused something
// (rolled back); 2 bad input found before the database was touched, reported
// as one line on stderr; 3 the operation reported failure (rolled back);
// 130/143 interrupted by SIGINT/SIGTERM (the work in flight rolled back).

#include <CLI/CLI.hpp>

#include <iostream>

#include "commands.h"
#include "engine_settings.h"
#include "exit_codes.h"
#include "input_error.h"
#include "interrupts.h"
#include "messages.h"
#include "operations/closest_names.h"
#include "veiculo/error.h"

#ifndef VEICULO_VERSION
#define VEICULO_VERSION "unknown"
#endif

namespace {

using namespace veiculo::cli;

int Fail(int status, const std::string& message) {
  std::cerr << "veiculo: " << MaskSecrets(message) << "\n";
  return status;
}

// The first word that is not an option must name a command.
std::string UnknownCommand(const CLI::App& app, int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return "";
  std::vector<std::string> names;
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; }))
    names.push_back(command->get_name());
  for (const std::string& name : names)
    if (name == argv[1]) return "";
  std::string message = "unknown command '" + std::string(argv[1]) + "'";
  const std::vector<std::string> closest = ClosestNames(argv[1], names);
  if (!closest.empty()) message += "; did you mean " + closest.front() + "?";
  std::string all;
  for (const std::string& name : names) all += (all.empty() ? "" : ", ") + name;
  return message + " (the commands are " + all + ")";
}

int Run(int argc, char** argv) {
  CLI::App app{"veiculo - vehicle module of the dealer management system"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("veiculo ") + VEICULO_VERSION);
  app.footer(
      "Exit status: 0 done; 1 the database refused something (rolled back); 2 bad input, "
      "nothing touched; 3 the operation reported failure (rolled back); 130/143 interrupted "
      "(rolled back). `veiculo COMMAND --help` describes a command; `veiculo --engine-root` prints "
      "the folder of the embedded engine's settings (run isql-fb with FIREBIRD set to it to "
      "share a database file with veiculo).");
  AddInitDbCommand(app);
  AddSqlCommand(app);
  AddCallCommand(app);
  AddRunCommand(app);
  AddDemoCommand(app);
  AddCustoCommand(app);
  AddEstoqueCommand(app);
  AddSalesforceCommand(app);  // CRM staging
  for (int i = 1; i < argc; ++i)
    if (!IsValidUtf8(argv[i]))
      return Fail(kExitBadInput, "argument " + std::to_string(i) +
                                     " is not valid UTF-8 text (check the terminal's encoding)");
  if (argc == 2 && std::string(argv[1]) == "--engine-root") {
    std::cout << PrepareEngineSettings() << "\n";
    return kExitDone;
  }
  if (std::string unknown = UnknownCommand(app, argc, argv); !unknown.empty())
    return Fail(kExitBadInput, unknown);
  try {
    PrepareEngineSettings();
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
    return Fail(kExitBadInput, std::string(e.what()) + " (see --help)");
  } catch (const std::exception& e) {
    // An interrupt may surface as any error of the work it stopped.
    if (const int signal = InterruptSignal())
      return Fail(128 + signal,
                  "interrupted by " + SignalName(signal) + "; the work in flight was rolled back");
    if (dynamic_cast<const InputError*>(&e)) return Fail(kExitBadInput, e.what());
    if (dynamic_cast<const ReportedFailure*>(&e)) return Fail(kExitReportedFailure, e.what());
    if (const auto* error = dynamic_cast<const veiculo::Error*>(&e))
      return Fail(kExitDatabase,
                  std::string(ToString(error->category())) + " error: " + ErrorText(*error));
    return Fail(kExitDatabase, std::string("error: ") + e.what());
  }
  if (const int signal = InterruptSignal())
    return Fail(128 + signal, "interrupted by " + SignalName(signal) + " after the work was done");
  return kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  WatchInterrupts();
  return Run(argc, argv);
}
