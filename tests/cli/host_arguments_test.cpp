// Value syntax and argument binding of `veiculo call` and `veiculo run`, and
// a `veiculo run` script or a data packet holding a number beyond the range of
// a double: refused as bad input naming the script or the parameter, before
// the database is touched.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <optional>
#include <string>

#include "input_error.h"
#include "operations/arguments.h"
#include "operations/script.h"

namespace veiculo::cli {
namespace {

// The message of the InputError a call raises, or "accepted"; the error's
// category is checked when one is given.
template <typename F>
std::string InputMessage(F&& call, std::optional<ErrorCategory> category = std::nullopt) {
  try {
    call();
  } catch (const InputError& e) {
    if (category) {
      EXPECT_EQ(e.category(), *category) << e.message();
    }
    return e.message();
  }
  return "accepted";
}

TEST(ParseValue, AcceptsTheDocumentedSyntaxOfEachType) {
  // 2025-03-07 is day 45723: 2025-01-01 is 45658 (2000-01-01 = 36526, plus 25
  // years of 365 days and the 7 leap days 2000..2024), plus 31 + 28 + 6.
  const std::tuple<const char*, ParamType, TypedValue> cases[] = {
      {"-2147483648", ParamType::Integer, int32_t{-2147483647 - 1}},
      {"-1.5e3", ParamType::Double, -1500.0},
      {".5", ParamType::Double, 0.5},
      {"a=b c", ParamType::Text, std::string("a=b c")},
      {"2025-03-07", ParamType::DateTime, DateTimeValue{45723}},
      {"false", ParamType::Boolean, false},
  };
  for (const auto& [text, type, expected] : cases)
    EXPECT_EQ(ParseValue(text, type), expected) << text;
  // 14:30:05 is 52205 of the day's 86400 seconds.
  EXPECT_NEAR(
      std::get<DateTimeValue>(ParseValue("2025-03-07T14:30:05", ParamType::DateTime)).serial,
      45723 + 52205.0 / 86400, 1e-9);
  const TypedValue value =
      ParseValue(R"({"fields":[{"name":"A","type":"integer"}],"rows":[{"A":1},{"A":null}]})",
                 ParamType::DataPacket);
  EXPECT_TRUE(std::get<DataPacket>(value).rows.at(1).at(0).IsNull());
}

TEST(ParseValue, RejectsWhatIsNotOfTheType) {
  const std::tuple<const char*, ParamType, const char*> cases[] = {
      {" 1", ParamType::Integer, "' 1' is not an integer"},
      {"2147483648", ParamType::Integer, "'2147483648' is out of the range of a 32-bit integer"},
      {"1,5", ParamType::Double, "'1,5' is not a double (write it with \".\")"},
      {"2025-02-29", ParamType::DateTime, "'2025-02-29' is not an existing date"},
      {"2025-03-07T24:00:00", ParamType::DateTime, "'2025-03-07T24:00:00' is not an existing date"},
      {"2025-03-07 14:30:05", ParamType::DateTime,
       "'2025-03-07 14:30:05' is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)"},
      {"True", ParamType::Boolean, "'True' is not a boolean (true or false)"},
      {"@/nao/existe.json", ParamType::DataPacket,
       "data packet file /nao/existe.json does not exist"},
      {"{\"fields\": 1}", ParamType::DataPacket, "data packet is not a valid data packet: "},
  };
  for (const auto& [text, type, message] : cases) {
    const std::string got = InputMessage([&] { ParseValue(text, type); });
    // Of the malformed packet's message only the opening is ours.
    EXPECT_EQ(type == ParamType::DataPacket ? got.substr(0, strlen(message)) : got, message);
  }
}

// An operation with one parameter of each binding rule.
const Operation kSample{"Op",
                        {{"pfA", ParamType::Integer},
                         {"pfB", ParamType::Text},
                         {"pV", ParamType::Double, Direction::Var},
                         {"pO", ParamType::Integer, Direction::Out},
                         {"pfConexao", ParamType::Connection}},
                        {},
                        {}};

TEST(BindCommandLine, FillsVarOutAndHostParametersAndMatchesNamesWithoutCase) {
  const Arguments args = BindCommandLine(kSample, {"PFA=1", "pfb=a=b"});
  EXPECT_EQ(args, (Arguments{{"pfA", int32_t{1}},
                             {"pfB", std::string("a=b")},
                             {"pV", 0.0},
                             {"pO", int32_t{0}},
                             {"pfConexao", std::monostate{}}}));
  EXPECT_EQ(BindCommandLine(kSample, {"pfA=1", "pfB=", "pV=2.5"}).at("pV"), TypedValue(2.5));
}

TEST(BindCommandLineAndJson, NameWhatIsWrong) {
  const std::pair<std::vector<std::string>, const char*> words[] = {
      {{"pfA=1"}, "Op: missing parameter pfB (text)"},
      {{"pfA=1", "pfB=x", "pfC=2"}, "Op: unknown parameter 'pfC'; it takes pfA, pfB, pV"},
      {{"pfA=1", "pfB=x", "PFA=2"}, "Op: parameter pfA is given twice"},
      {{"pfA=1", "pfB=x", "pO=2"}, "Op: parameter pO is an out parameter; it cannot be given"},
      {{"pfA=1", "pfB=x", "pfConexao=db"},
       "Op: parameter pfConexao is supplied by the host; do not give it"},
      {{"pfA=x", "pfB=x"}, "Op: parameter pfA: 'x' is not an integer"},
  };
  for (const auto& [args, message] : words)
    EXPECT_EQ(InputMessage([&] { BindCommandLine(kSample, args); }), message);
  const std::pair<const char*, const char*> json[] = {
      {R"({"pfA": 1.5, "pfB": "t"})", "Op: parameter pfA: '1.5' is not an integer"},
      {R"({"pfA": 1, "pfB": null})", "Op: parameter pfB: 'null' is not a text"},
  };
  for (const auto& [text, message] : json)
    EXPECT_EQ(InputMessage([&] { BindJson(kSample, nlohmann::json::parse(text)); }), message);
  EXPECT_EQ(InputMessage(
                [] {
                  BindCommandLine(Operation{"Nada", {}, {}, {}}, {"x=1"});
                },
                ErrorCategory::NotFound),
            "Nada: unknown parameter 'x'; it takes none");
}

TEST(BindJson, AcceptsJsonValuesOfTheRightKindAndTextsInCommandLineSyntax) {
  const Arguments args =
      BindJson(kSample, nlohmann::json::parse(R"({"pfA": "12", "pfB": "t", "pV": 2})"));
  EXPECT_EQ(args.at("pfA"), TypedValue(int32_t{12}));
  EXPECT_EQ(args.at("pV"), TypedValue(2.0));
  EXPECT_TRUE(BindJson(Operation{"Nada", {}, {}, {}}, nlohmann::json()).empty());  // null params
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
    const std::string message =
        InputMessage([&] { ParseScript(text, "s.json"); }, ErrorCategory::Validation);
    EXPECT_EQ(message.rfind("script s.json is not valid JSON: ", 0), 0u) << message;
  }
}

TEST(HostScript, ANumberBeyondADoubleInsideAPacketIsBadInputNamingTheParameter) {
  const std::string packet = R"({"fields":[{"name":"V","type":"float"}],"rows":[{"V":1e400}]})";
  EXPECT_EQ(InputMessage(
                [&] {
                  BindCommandLine(OneOperation().Get("Grava"), {"pfValor=1", "pfDados=" + packet});
                },
                ErrorCategory::Validation),
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
