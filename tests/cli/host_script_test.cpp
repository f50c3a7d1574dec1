// A `veiculo run` script, and a data packet given on the command line, holding
// a number beyond the range of a double: refused as bad input (InputError,
// exit 2) naming the script or the parameter, before the database is touched.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

#include "input_error.h"
#include "operations/arguments.h"
#include "operations/script.h"

namespace veiculo::cli {
namespace {

// The message of the InputError a call raises, or "accepted".
template <typename F>
std::string InputMessage(F&& call) {
  try {
    call();
  } catch (const InputError& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    return e.message();
  }
  return "accepted";
}

const Registry& OneOperation() {
  static const Registry registry = [] {
    Registry r;
    Operation op;
    op.name = "Grava";
    op.purpose = "takes a double and a packet";
    op.params = {{"pfValor", ParamType::Double}, {"pfDados", ParamType::DataPacket}};
    op.invoke = [](CallContext&) { return TypedValue(); };
    r.Add(std::move(op));
    return r;
  }();
  return registry;
}

TEST(HostScript, ANumberBeyondADoubleIsBadInputNamingTheScript) {
  const char* scripts[] = {
      "[1e9999]",
      R"([{"operation":"Grava","params":{"pfValor":-1.5e1300,"pfDados":"{}"}}])",
  };
  for (const char* text : scripts) {
    const std::string message = InputMessage([&] { ParseScript(text, "s.json"); });
    EXPECT_EQ(message.rfind("script s.json is not valid JSON: ", 0), 0u) << message;
  }
}

TEST(HostScript, ANumberBeyondADoubleInsideAPacketIsBadInputNamingTheParameter) {
  const std::string packet = R"({"fields":[{"name":"V","type":"float"}],"rows":[{"V":1e400}]})";
  EXPECT_EQ(InputMessage([&] {
              BindCommandLine(OneOperation().Get("Grava"), {"pfValor=1", "pfDados=" + packet});
            }),
            "Grava: parameter pfDados: data packet is not a valid data packet: "
            "data packet: not valid JSON (a number out of range)");
}

TEST(HostScript, AWellFormedScriptBindsEveryCall) {
  const auto calls =
      BindScript(ParseScript(R"([{"operation":"Grava","params":{"pfValor":1.7976931348623157e308,)"
                             R"("pfDados":{"fields":[],"rows":[]}}}])",
                             "s.json"),
                 "s.json", OneOperation());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].operation->name, "Grava");
  EXPECT_EQ(std::get<double>(calls[0].arguments.at("pfValor")), 1.7976931348623157e308);
}

}  // namespace
}  // namespace veiculo::cli
