// The filter of a client dataset: parsing any text either gives an expression
// or raises veiculo::Error; a parsed expression evaluates against a row of
// every field type without faults other than veiculo::Error.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "check.h"
#include "platform/db/filter_expression.h"
#include "veiculo/error.h"

namespace {

const std::map<std::string, veiculo::Value>& Row() {
  static const std::map<std::string, veiculo::Value> row = {
      {"EMPRESA", veiculo::Value::Integer(1)},
      {"VALOR", veiculo::Value::Float(1234.5)},
      {"NOME", veiculo::Value::Text("Centro")},
      {"DTA", veiculo::Value::DateTime(45322.5)},
      {"FOTO", veiculo::Value::Blob(std::string("\x00\x01", 2))},
      {"VAZIO", veiculo::Value::Null()},
  };
  return row;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  veiculo::platform::FilterExpression expression;
  try {
    expression = veiculo::platform::FilterExpression::Parse(text);
  } catch (const veiculo::Error&) {
    return 0;
  }
  for (const std::string& name : expression.FieldNames()) FUZZ_CHECK(!name.empty());
  try {
    expression.Matches([](const std::string& name) -> const veiculo::Value& {
      auto found = Row().find(name);
      if (found == Row().end())
        throw veiculo::Error(veiculo::ErrorCategory::Validation, "no field " + name);
      return found->second;
    });
  } catch (const veiculo::Error&) {
  }
  return 0;
}
