// veiculo run SCRIPT.json: the calls of one client session, in order, on one
// module instance inside one transaction; prints a JSON array with one
// result object per call.

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "commands.h"
#include "exit_codes.h"
#include "host_session.h"
#include "input_error.h"
#include "operations/arguments.h"
#include "operations/registry.h"
#include "operations/script.h"

namespace veiculo::cli {
namespace {

struct RunArgs {
  SessionOptions session;
  bool rollback = false;
  std::string script;
};

nlohmann::json ReadScript(const std::string& path) {
  if (!std::filesystem::is_regular_file(path))
    throw InputError(ErrorCategory::NotFound, "script " + path + " does not exist");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return ParseScript(text.str(), path);
}

std::string CallLabel(size_t index) {
  return "call " + std::to_string(index + 1);
}

void RunScript(const RunArgs& args) {
  std::vector<ScriptCall> calls =
      BindScript(ReadScript(args.script), args.script, HostOperations());
  HostSession session(args.session);
  Json results = Json::array();
  std::string failed;  // the call that reported failure, if any
  for (size_t i = 0; i < calls.size() && failed.empty(); ++i) {
    try {
      HostSession::Outcome outcome =
          session.Call(*calls[i].operation, std::move(calls[i].arguments));
      results.push_back(std::move(outcome.json));
      if (outcome.failed) failed = CallLabel(i) + " (" + calls[i].operation->name + ")";
    } catch (Error& e) {
      session.End(false);
      e.AddContext("in " + CallLabel(i) + " (" + calls[i].operation->name + ") of " + args.script +
                   "; the script was rolled back");
      throw;
    } catch (...) {
      session.End(false);
      throw;
    }
  }
  session.End(!args.rollback && failed.empty());
  // One call per line: the array stays readable and easy to search.
  std::cout << "[";
  for (size_t i = 0; i < results.size(); ++i)
    std::cout << (i ? ",\n" : "\n") << JsonText(results[i]);
  std::cout << (results.empty() ? "]\n" : "\n]\n");
  if (!failed.empty())
    throw ReportedFailure(failed + " of " + args.script +
                          " reported failure; the script stopped there and was rolled back");
}

}  // namespace

void AddRunCommand(CLI::App& app) {
  auto args = std::make_shared<RunArgs>();
  CLI::App* command = app.add_subcommand(
      "run", "Run a script of calls on one module instance inside one transaction");
  command
      ->add_option("script", args->script, "JSON array of {\"operation\": ..., \"params\": {...}}")
      ->required();
  args->session.AddTo(*command);
  command->add_flag("--rollback", args->rollback,
                    "roll the transaction back instead of committing");
  command->callback([args] { RunScript(*args); });
}

}  // namespace veiculo::cli
