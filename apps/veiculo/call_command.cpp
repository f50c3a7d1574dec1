// veiculo call OPERATION [NAME=VALUE ...]: one public operation of the module
// in one transaction, printed as one JSON object; `veiculo call --list` lists
// the operations with their parameters.

#include <iostream>

#include "commands.h"
#include "exit_codes.h"
#include "host_session.h"
#include "input_error.h"
#include "operations/arguments.h"
#include "operations/registry.h"

namespace veiculo::cli {
namespace {

struct CallArgs {
  SessionOptions session;
  bool help = false;
  bool markdown = false;
  bool list = false;
  bool rollback = false;
  std::string operation;
  std::vector<std::string> params;
};

void ListOperations() {
  for (const Operation& operation : HostOperations().Operations())
    std::cout << Describe(operation) << '\n';
}

void RunCall(const CallArgs& args, const CLI::App& command) {
  if (args.help || args.list) {
    if (!args.operation.empty()) {
      std::cout << Help(HostOperations().Get(args.operation));
    } else if (args.help) {
      std::cout << command.help();
    } else if (args.markdown) {
      std::cout << Markdown(HostOperations());
    } else {
      ListOperations();
    }
    return;
  }
  if (args.markdown) throw InputError(ErrorCategory::Validation, "--markdown goes with --list");
  if (args.operation.empty())
    throw InputError(ErrorCategory::Validation, "name the operation to call (or give --list)");
  // Everything the user wrote is checked before the database is touched.
  const Operation& operation = HostOperations().Get(args.operation);
  Arguments arguments = BindCommandLine(operation, args.params);
  HostSession session(args.session);
  HostSession::Outcome outcome;
  try {
    outcome = session.Call(operation, std::move(arguments));
    session.End(!args.rollback && !outcome.failed);
  } catch (...) {
    session.End(false);
    throw;
  }
  std::cout << JsonText(outcome.json) << '\n';
  if (outcome.failed)
    throw ReportedFailure(operation.name + " reported failure; its work was rolled back");
}

}  // namespace

void AddCallCommand(CLI::App& app) {
  auto args = std::make_shared<CallArgs>();
  CLI::App* command = app.add_subcommand(
      "call", "Call one operation of the module in one transaction and print it as JSON");
  // `call OP --help` describes the operation, so the command answers --help itself.
  command->set_help_flag();
  command->add_flag("--help,-h", args->help,
                    "this help; with an operation, what the operation does and takes");
  command->add_flag("--list", args->list,
                    "list every operation with its parameters; with an operation, its help");
  command->add_flag("--markdown", args->markdown, "with --list: the whole reference as Markdown");
  command->add_option("operation", args->operation, "the operation, as the module names it");
  command->add_option("params", args->params, "its parameters, NAME=VALUE");
  args->session.AddTo(*command);
  command->add_flag("--rollback", args->rollback,
                    "roll the transaction back instead of committing");
  command->callback([args, command] { RunCall(*args, *command); });
}

}  // namespace veiculo::cli
