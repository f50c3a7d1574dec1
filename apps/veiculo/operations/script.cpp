#include "operations/script.h"

#include <nlohmann/json.hpp>

#include "input_error.h"
#include "operations/arguments.h"

namespace veiculo::cli {

nlohmann::json ParseScript(const std::string& text, const std::string& path) {
  try {
    return nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception& e) {
    // A syntax error, or a number beyond the range of a double (which the
    // reader reports as out_of_range rather than parse_error).
    throw InputError(ErrorCategory::Validation,
                     "script " + path + " is not valid JSON: " + e.what());
  }
}

std::vector<ScriptCall> BindScript(const nlohmann::json& script, const std::string& path,
                                   const Registry& registry) {
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
      const Operation& operation = registry.Get(entry["operation"].get<std::string>());
      calls.push_back({&operation, BindJson(operation, entry.value("params", nlohmann::json()))});
    } catch (const InputError& e) {
      throw InputError(e.category(),
                       "script " + path + ", call " + std::to_string(i + 1) + ": " + e.message());
    }
  }
  return calls;
}

}  // namespace veiculo::cli
