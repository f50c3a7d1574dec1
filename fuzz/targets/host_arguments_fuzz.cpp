// The host's parsers: a `veiculo run` script and the NAME=VALUE words of
// `veiculo call`, bound against operations taking a parameter of every type
// and direction. Any input is bound or refused with InputError.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "check.h"
#include "input_error.h"
#include "operations/arguments.h"
#include "operations/script.h"

namespace {

using namespace veiculo::cli;

const Registry& FuzzRegistry() {
  static const Registry registry = [] {
    Registry r;
    auto op = [](std::string name, std::vector<ParamSpec> params) {
      Operation o;
      o.name = std::move(name);
      o.params = std::move(params);
      o.purpose = "fuzz";
      o.invoke = [](CallContext&) { return TypedValue(); };
      return o;
    };
    r.Add(op("Todos", {{"pfInteiro", ParamType::Integer},
                       {"pfValor", ParamType::Double},
                       {"pfTexto", ParamType::Text},
                       {"pfData", ParamType::DateTime},
                       {"pfFlag", ParamType::Boolean},
                       {"pfPacote", ParamType::DataPacket, Direction::Var},
                       {"pfTotal", ParamType::Double, Direction::Var},
                       {"pfSaida", ParamType::Text, Direction::Out},
                       {"pfConexao", ParamType::Connection},
                       {"pfMensagem", ParamType::Callback}}));
    r.Add(op("Nenhum", {}));
    r.Add(op("Opcional", {{"pfTexto", ParamType::Text, Direction::Var},
                          {"pfData", ParamType::DateTime, Direction::Var}}));
    return r;
  }();
  return registry;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  // "@file" reads a packet from a file; the fuzzer stays off the file system.
  if (text.find('@') != std::string::npos) return 0;
  try {
    if (data[0] % 2 == 0) {
      const nlohmann::json script = ParseScript(text, "fuzz.json");
      const auto calls = BindScript(script, "fuzz.json", FuzzRegistry());
      FUZZ_CHECK(script.is_array() && calls.size() == script.size());
    } else {
      // One word per line: the first names the operation, the rest NAME=VALUE.
      std::vector<std::string> words;
      size_t start = 0;
      while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        words.push_back(text.substr(start, end - start));
        start = end + 1;
      }
      const Operation& operation = FuzzRegistry().Get(words.front());
      words.erase(words.begin());
      const Arguments arguments = BindCommandLine(operation, words);
      for (const ParamSpec& param : operation.params) FUZZ_CHECK(arguments.count(param.name) == 1);
    }
  } catch (const InputError&) {
  }
  return 0;
}
