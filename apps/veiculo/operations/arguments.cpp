#include "operations/arguments.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "input_error.h"
#include "messages.h"
#include "operations/text_limits.h"
#include "platform/format/convert.h"

namespace veiculo::cli {
namespace {

[[noreturn]] void Fail(ErrorCategory category, const std::string& message) {
  throw InputError(category, message);
}

[[noreturn]] void FailNot(std::string_view text, const char* what) {
  // A value of any length may arrive: the message quotes its start.
  Fail(ErrorCategory::Validation, "'" + Shorten(std::string(text), 60) + "' is not " + what);
}

int32_t ParseInteger(std::string_view text) {
  int64_t value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (!text.empty() && text.front() == '+') ++first;
  auto [end, error] = std::from_chars(first, last, value);
  if (text.empty() || error != std::errc() || end != last) FailNot(text, "an integer");
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    Fail(ErrorCategory::Validation,
         "'" + std::string(text) + "' is out of the range of a 32-bit integer");
  return static_cast<int32_t>(value);
}

double ParseDouble(std::string_view text) {
  // Digits, sign, "." and an exponent only: no "inf", "nan", hexadecimal or ",".
  const bool plain = !text.empty() && text.find_first_not_of("0123456789+-.eE") == text.npos &&
                     text.find_first_of("0123456789") != text.npos;
  double value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (plain && text.front() == '+') ++first;
  auto [end, error] = std::from_chars(first, last, value);
  if (!plain || error != std::errc() || end != last)
    FailNot(text, "a double (write it with \".\")");
  return value;
}

double ParseDateTime(std::string_view text) {
  // The two forms the host documents; the platform's ISO reader is wider.
  auto digits = [&](size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
      if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
    return true;
  };
  const bool date = text.size() >= 10 && digits(0, 4) && text[4] == '-' && digits(5, 2) &&
                    text[7] == '-' && digits(8, 2);
  const bool date_only = date && text.size() == 10;
  const bool date_time = date && text.size() == 19 && text[10] == 'T' && digits(11, 2) &&
                         text[13] == ':' && digits(14, 2) && text[16] == ':' && digits(17, 2);
  if (!date_only && !date_time) FailNot(text, "a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)");
  try {
    return platform::IsoToDateTime(text);
  } catch (const Error&) {
    FailNot(text, "an existing date");
  }
}

bool ParseBoolean(std::string_view text) {
  if (text == "true") return true;
  if (text == "false") return false;
  FailNot(text, "a boolean (true or false)");
}

std::string ReadPacketFile(const std::string& path) {
  if (!std::filesystem::is_regular_file(path))
    Fail(ErrorCategory::NotFound, "data packet file " + path + " does not exist");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in && !in.eof()) Fail(ErrorCategory::Validation, "cannot read data packet file " + path);
  return text.str();
}

DataPacket ParsePacket(std::string_view text) {
  const bool from_file = !text.empty() && text.front() == '@';
  const std::string json =
      from_file ? ReadPacketFile(std::string(text.substr(1))) : std::string(text);
  try {
    DataPacket packet = DataPacket::FromJson(json);
    CheckPacketTexts(packet);
    return packet;
  } catch (const Error& e) {
    Fail(ErrorCategory::Validation, std::string(from_file ? "data packet file " : "data packet ") +
                                        (from_file ? std::string(text.substr(1)) + " " : "") +
                                        "is not a valid data packet: " + e.message());
  }
}

// The parameter a user names; throws for names the operation does not take.
const ParamSpec& ParamNamed(const Operation& operation, std::string_view name) {
  const ParamSpec* param = operation.FindParam(name);
  if (param == nullptr) {
    std::string known;
    for (const ParamSpec& p : operation.params)
      if (!SuppliedByHost(p.type) && p.direction != Direction::Out)
        known += (known.empty() ? "" : ", ") + p.name;
    Fail(ErrorCategory::NotFound, "unknown parameter '" + std::string(name) + "'; " +
                                      (known.empty() ? "it takes none" : "it takes " + known));
  }
  if (SuppliedByHost(param->type))
    Fail(ErrorCategory::Validation,
         "parameter " + param->name + " is supplied by the host; do not give it");
  if (param->direction == Direction::Out)
    Fail(ErrorCategory::Validation,
         "parameter " + param->name + " is an out parameter; it cannot be given");
  return *param;
}

// Gives each given value a parameter and fills in what is not given.
// `convert(i, param)` converts the i-th given value.
template <class Convert>
Arguments Bind(const Operation& operation, const std::vector<std::string>& names, Convert convert) {
  Arguments arguments;
  try {
    for (size_t i = 0; i < names.size(); ++i) {
      const ParamSpec& param = ParamNamed(operation, names[i]);
      if (arguments.count(param.name))
        Fail(ErrorCategory::Validation, "parameter " + param.name + " is given twice");
      try {
        arguments[param.name] = convert(i, param);
        if (const auto* text = std::get_if<std::string>(&arguments[param.name]))
          CheckTextLimit(operation.name, param.name, *text);
      } catch (InputError& e) {
        throw InputError(e.category(), "parameter " + param.name + ": " + e.message());
      }
    }
    for (const ParamSpec& param : operation.params) {
      if (arguments.count(param.name)) continue;
      if (param.direction == Direction::In && !SuppliedByHost(param.type))
        Fail(ErrorCategory::Validation,
             "missing parameter " + param.name + " (" + ToString(param.type) + ")");
      arguments[param.name] = ZeroValue(param.type);
    }
  } catch (InputError& e) {
    throw InputError(e.category(), operation.name + ": " + e.message());
  }
  return arguments;
}

TypedValue FromJsonValue(const nlohmann::json& value, ParamType type) {
  if (value.is_string()) return ParseValue(value.get_ref<const std::string&>(), type);
  switch (type) {
    case ParamType::Integer:
      if (value.is_number_integer()) return ParseInteger(value.dump());
      break;
    case ParamType::Double:
      if (value.is_number()) return value.get<double>();
      break;
    case ParamType::Boolean:
      if (value.is_boolean()) return value.get<bool>();
      break;
    case ParamType::DataPacket:
      if (value.is_object()) return ParsePacket(value.dump());
      break;
    default:
      break;
  }
  const std::string kind = std::string(type == ParamType::Integer ? "an " : "a ") + ToString(type);
  FailNot(value.dump(), kind.c_str());
}

}  // namespace

TypedValue ParseValue(std::string_view text, ParamType type) {
  switch (type) {
    case ParamType::Integer:
      return ParseInteger(text);
    case ParamType::Double:
      return ParseDouble(text);
    case ParamType::Text:
      return std::string(text);
    case ParamType::DateTime:
      return DateTimeValue{ParseDateTime(text)};
    case ParamType::Boolean:
      return ParseBoolean(text);
    case ParamType::DataPacket:
      return ParsePacket(text);
    case ParamType::Connection:
    case ParamType::Callback:
      break;
  }
  Fail(ErrorCategory::Validation, std::string("a ") + ToString(type) + " is supplied by the host");
}

Arguments BindCommandLine(const Operation& operation, const std::vector<std::string>& words) {
  std::vector<std::string> names;
  std::vector<std::string_view> values;
  for (const std::string& word : words) {
    const size_t eq = word.find('=');
    if (eq == std::string::npos || eq == 0)
      Fail(ErrorCategory::Validation,
           operation.name + ": '" + word + "' is not written as NAME=VALUE");
    names.push_back(word.substr(0, eq));
    values.push_back(std::string_view(word).substr(eq + 1));
  }
  return Bind(operation, names,
              [&](size_t i, const ParamSpec& param) { return ParseValue(values[i], param.type); });
}

Arguments BindJson(const Operation& operation, const nlohmann::json& params) {
  if (!params.is_null() && !params.is_object())
    Fail(ErrorCategory::Validation, operation.name + ": \"params\" is not a JSON object");
  std::vector<std::string> names;
  std::vector<const nlohmann::json*> values;
  if (params.is_object()) {
    for (auto it = params.begin(); it != params.end(); ++it) {
      names.push_back(it.key());
      values.push_back(&it.value());
    }
  }
  return Bind(operation, names, [&](size_t i, const ParamSpec& param) {
    return FromJsonValue(*values[i], param.type);
  });
}

}  // namespace veiculo::cli
