// veiculo call OPERATION [NAME=VALUE ...]: one public operation of the module
// in one transaction, printed as one JSON object; `veiculo call --list` lists
// the operations with their parameters.

#include <iostream>

#include "commands.h"
#include "host_session.h"
#include "input_error.h"
#include "operations/arguments.h"
#include "operations/registry.h"

namespace veiculo::cli {
namespace {

struct CallArgs {
  SessionOptions session;
  bool list = false;
  bool rollback = false;
  std::string operation;
  std::vector<std::string> params;
};

void ListOperations() {
  for (const Operation& operation : HostOperations().Operations())
    std::cout << Describe(operation) << '\n';
}

void RunCall(const CallArgs& args) {
  if (args.list) {
    if (!args.operation.empty())
      throw InputError(ErrorCategory::Validation, "--list takes no operation");
    ListOperations();
    return;
  }
  if (args.operation.empty())
    throw InputError(ErrorCategory::Validation, "name the operation to call (or give --list)");
  // Everything the user wrote is checked before the database is touched.
  const Operation& operation = HostOperations().Get(args.operation);
  Arguments arguments = BindCommandLine(operation, args.params);
  HostSession session(args.session);
  Json result;
  try {
    result = session.Call(operation, std::move(arguments));
    session.End(!args.rollback);
  } catch (...) {
    session.End(false);
    throw;
  }
  std::cout << JsonText(result) << '\n';
}

}  // namespace

void AddCallCommand(CLI::App& app) {
  auto args = std::make_shared<CallArgs>();
  CLI::App* command = app.add_subcommand(
      "call", "Call one operation of the module in one transaction and print it as JSON");
  command->add_flag("--list", args->list, "list every operation with its parameters");
  command->add_option("operation", args->operation, "the operation, as the module names it");
  command->add_option("params", args->params, "its parameters, NAME=VALUE");
  args->session.AddTo(*command);
  command->add_flag("--rollback", args->rollback,
                    "roll the transaction back instead of committing");
  command->callback([args] { RunCall(*args); });
}

}  // namespace veiculo::cli
