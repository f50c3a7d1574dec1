#pragma once
// A `veiculo run` script: a JSON array of {"operation": NAME, "params": {...}}
// calls. Every call is checked and bound before any runs, so that a mistake in
// the last call stops the script before the database is touched.

#include <nlohmann/json_fwd.hpp>

#include <string>
#include <vector>

#include "operations/call_context.h"
#include "operations/registry.h"

namespace veiculo::cli {

struct ScriptCall {
  const Operation* operation;
  Arguments arguments;
};

// The script's JSON; throws InputError (validation) naming `path` when the text
// is not JSON.
nlohmann::json ParseScript(const std::string& text, const std::string& path);

// Binds every call against `registry`; throws InputError naming `path`, the
// call (1-based) and what was wrong with it.
std::vector<ScriptCall> BindScript(const nlohmann::json& script, const std::string& path,
                                   const Registry& registry);

}  // namespace veiculo::cli
