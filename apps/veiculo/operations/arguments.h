#pragma once
// Binding a user's arguments to an operation's parameter list, from the
// command line (NAME=VALUE words) or from a script (a JSON object).
//
// Value syntax on the command line: integers in decimal ("-12"); doubles with
// "." ("1234.56", "1e3"); texts as they stand; dates "YYYY-MM-DD" or
// "YYYY-MM-DDTHH:MM:SS"; booleans "true" or "false"; data packets as JSON
// text or "@file.json". In a script, a value may also be a JSON number,
// boolean or (for a packet) object of the right kind.
//
// Every in parameter must be given; var parameters may be given and otherwise
// start from the zero value of their type; out parameters and host-supplied
// ones (connection, callback) cannot be given. Parameter names match without
// regard to letter case. Every failure throws InputError naming the operation,
// the parameter and what was wrong.

#include <nlohmann/json_fwd.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "operations/call_context.h"
#include "operations/registry.h"
#include "operations/typed_value.h"

namespace veiculo::cli {

// Parses one command-line value as `type`. Throws InputError (validation)
// saying what the text is not ("'1,5' is not a double").
TypedValue ParseValue(std::string_view text, ParamType type);

// Binds NAME=VALUE words.
Arguments BindCommandLine(const Operation& operation, const std::vector<std::string>& words);

// Binds the "params" object of a script call (a JSON object, or null for none).
Arguments BindJson(const Operation& operation, const nlohmann::json& params);

}  // namespace veiculo::cli
