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

namespace veiculo::cli {
namespace {

struct RunArgs {
  SessionOptions session;
  bool rollback = false;
  std::string script;
};

struct ScriptCall {
  const Operation* operation;
  Arguments arguments;
};

nlohmann::json ReadScript(const std::string& path) {
  if (!std::filesystem::is_regular_file(path))
    throw InputError(ErrorCategory::NotFound, "script " + path + " does not exist");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  try {
    return nlohmann::json::parse(text.str());
  } catch (const nlohmann::json::parse_error& e) {
    throw InputError(ErrorCategory::Validation,
                     "script " + path + " is not valid JSON: " + e.what());
  }
}

std::string CallLabel(size_t index) {
  return "call " + std::to_string(index + 1);
}

// Checks and binds every call of the script before any runs.
std::vector<ScriptCall> BindScript(const nlohmann::json& script, const std::string& path) {
  if (!script.is_array())
    throw InputError(ErrorCategory::Validation, "script " + path + " is not a JSON array of calls");
  std::vector<ScriptCall> calls;
  for (size_t i = 0; i < script.size(); ++i) {
    const nlohmann::json& entry = script[i];
    try {
      if (!entry.is_object() || !entry.contains("operation") || !entry["operation"].is_string())
        throw InputError(ErrorCategory::Validation, "not an object with an \"operation\" text");
      for (auto it = entry.begin(); it != entry.end(); ++it)
        if (it.key() != "operation" && it.key() != "params")
          throw InputError(ErrorCategory::Validation, "unknown key \"" + it.key() + "\"");
      const Operation& operation = HostOperations().Get(entry["operation"].get<std::string>());
      calls.push_back({&operation, BindJson(operation, entry.value("params", nlohmann::json()))});
    } catch (const InputError& e) {
      throw InputError(e.category(), "script " + path + ", " + CallLabel(i) + ": " + e.message());
    }
  }
  return calls;
}

void RunScript(const RunArgs& args) {
  std::vector<ScriptCall> calls = BindScript(ReadScript(args.script), args.script);
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
