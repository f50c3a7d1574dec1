// Value syntax and argument binding of `veiculo call` and `veiculo run`.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "input_error.h"
#include "operations/arguments.h"
#include "platform/format/date_time.h"

namespace veiculo::cli {
namespace {

struct GoodValue {
  const char* text;
  ParamType type;
  TypedValue expected;
};

TEST(ParseValue, AcceptsTheDocumentedSyntaxOfEachType) {
  // 2025-03-07 is day 45723: 2025-01-01 is 45658 (2000-01-01 = 36526, plus 25
  // years of 365 days and the 7 leap days 2000..2024), plus 31 + 28 + 6.
  const double march_7 = 45723;
  const GoodValue cases[] = {
      {"42", ParamType::Integer, int32_t{42}},
      {"-7", ParamType::Integer, int32_t{-7}},
      {"+5", ParamType::Integer, int32_t{5}},
      {"2147483647", ParamType::Integer, int32_t{2147483647}},
      {"-2147483648", ParamType::Integer, int32_t{-2147483647 - 1}},
      {"1234.56", ParamType::Double, 1234.56},
      {"-1.5e3", ParamType::Double, -1500.0},
      {"7", ParamType::Double, 7.0},
      {".5", ParamType::Double, 0.5},
      {"", ParamType::Text, std::string()},
      {"a=b c", ParamType::Text, std::string("a=b c")},
      {"2025-03-07", ParamType::DateTime, DateTimeValue{march_7}},
      // 14:30:05 is 52205 of the day's 86400 seconds.
      {"2025-03-07T14:30:05", ParamType::DateTime, DateTimeValue{march_7 + 52205.0 / 86400}},
      {"true", ParamType::Boolean, true},
      {"false", ParamType::Boolean, false},
  };
  for (const GoodValue& c : cases) {
    SCOPED_TRACE(c.text);
    const TypedValue value = ParseValue(c.text, c.type);
    if (auto* date = std::get_if<DateTimeValue>(&value)) {
      EXPECT_NEAR(date->serial, std::get<DateTimeValue>(c.expected).serial, 1e-9);
    } else {
      EXPECT_EQ(value, c.expected);
    }
  }
}

TEST(ParseValue, ReadsAPacketFromJsonText) {
  const TypedValue value =
      ParseValue(R"({"fields":[{"name":"A","type":"integer"}],"rows":[{"A":1},{"A":null}]})",
                 ParamType::DataPacket);
  const DataPacket& packet = std::get<DataPacket>(value);
  ASSERT_EQ(packet.rows.size(), 2u);
  EXPECT_EQ(packet.rows[0][0], Value::Integer(1));
  EXPECT_TRUE(packet.rows[1][0].IsNull());
}

struct BadValue {
  const char* text;
  ParamType type;
  const char* message;
};

TEST(ParseValue, RejectsWhatIsNotOfTheType) {
  const BadValue cases[] = {
      {"", ParamType::Integer, "'' is not an integer"},
      {"1.0", ParamType::Integer, "'1.0' is not an integer"},
      {"12a", ParamType::Integer, "'12a' is not an integer"},
      {" 1", ParamType::Integer, "' 1' is not an integer"},
      {"2147483648", ParamType::Integer, "'2147483648' is out of the range of a 32-bit integer"},
      {"1,5", ParamType::Double, "'1,5' is not a double (write it with \".\")"},
      {"1.234,56", ParamType::Double, "'1.234,56' is not a double (write it with \".\")"},
      {"inf", ParamType::Double, "'inf' is not a double (write it with \".\")"},
      {"nan", ParamType::Double, "'nan' is not a double (write it with \".\")"},
      {"1e", ParamType::Double, "'1e' is not a double (write it with \".\")"},
      {"-", ParamType::Double, "'-' is not a double (write it with \".\")"},
      {"", ParamType::Double, "'' is not a double (write it with \".\")"},
      {"2025-02-29", ParamType::DateTime, "'2025-02-29' is not an existing date"},
      {"2025-03-07T24:00:00", ParamType::DateTime, "'2025-03-07T24:00:00' is not an existing date"},
      {"07/03/2025", ParamType::DateTime,
       "'07/03/2025' is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)"},
      {"2025-3-7", ParamType::DateTime,
       "'2025-3-7' is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)"},
      {"2025-03-07 14:30:05", ParamType::DateTime,
       "'2025-03-07 14:30:05' is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)"},
      {"True", ParamType::Boolean, "'True' is not a boolean (true or false)"},
      {"1", ParamType::Boolean, "'1' is not a boolean (true or false)"},
      {"@/nao/existe.json", ParamType::DataPacket,
       "data packet file /nao/existe.json does not exist"},
  };
  for (const BadValue& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseValue(c.text, c.type);
      ADD_FAILURE() << "accepted";
    } catch (const InputError& e) {
      EXPECT_EQ(e.message(), c.message);
    }
  }
}

TEST(ParseValue, NamesAMalformedPacket) {
  try {
    ParseValue("{\"fields\": 1}", ParamType::DataPacket);
    ADD_FAILURE() << "accepted";
  } catch (const InputError& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_EQ(e.message().rfind("data packet is not a valid data packet: ", 0), 0u) << e.message();
  }
}

// An operation with one parameter of each binding rule.
Operation Sample() {
  return Operation{"Op",
                   {{"pfA", ParamType::Integer},
                    {"pfB", ParamType::Text},
                    {"pV", ParamType::Double, Direction::Var},
                    {"pO", ParamType::Integer, Direction::Out},
                    {"pfConexao", ParamType::Connection}},
                   {},
                   {}};
}

std::string BindError(const std::vector<std::string>& words) {
  try {
    BindCommandLine(Sample(), words);
  } catch (const InputError& e) {
    return e.message();
  }
  return "bound";
}

TEST(BindCommandLine, FillsVarOutAndHostParametersAndMatchesNamesWithoutCase) {
  const Arguments args = BindCommandLine(Sample(), {"PFA=1", "pfb=a=b"});
  EXPECT_EQ(args.at("pfA"), TypedValue(int32_t{1}));
  EXPECT_EQ(args.at("pfB"), TypedValue(std::string("a=b")));
  EXPECT_EQ(args.at("pV"), TypedValue(0.0));
  EXPECT_EQ(args.at("pO"), TypedValue(int32_t{0}));
  EXPECT_EQ(args.at("pfConexao"), TypedValue(std::monostate{}));
  EXPECT_EQ(args.size(), 5u);
}

TEST(BindCommandLine, TakesAVarParameterWhenGiven) {
  const Arguments args = BindCommandLine(Sample(), {"pfA=1", "pfB=", "pV=2.5"});
  EXPECT_EQ(args.at("pV"), TypedValue(2.5));
  EXPECT_EQ(args.at("pfB"), TypedValue(std::string()));
}

TEST(BindCommandLine, NamesWhatIsWrong) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"pfA=1"}, "Op: missing parameter pfB (text)"},
      {{"pfA=1", "pfB=x", "pfC=2"}, "Op: unknown parameter 'pfC'; it takes pfA, pfB, pV"},
      {{"pfA=1", "pfB=x", "PFA=2"}, "Op: parameter pfA is given twice"},
      {{"pfA=1", "pfB=x", "pO=2"}, "Op: parameter pO is an out parameter; it cannot be given"},
      {{"pfA=1", "pfB=x", "pfConexao=db"},
       "Op: parameter pfConexao is supplied by the host; do not give it"},
      {{"pfA", "pfB=x"}, "Op: 'pfA' is not written as NAME=VALUE"},
      {{"=1", "pfB=x"}, "Op: '=1' is not written as NAME=VALUE"},
      {{"pfA=x", "pfB=x"}, "Op: parameter pfA: 'x' is not an integer"},
  };
  for (const auto& [words, message] : cases) {
    SCOPED_TRACE(message);
    EXPECT_EQ(BindError(words), message);
  }
}

TEST(BindCommandLine, AnOperationWithoutParametersSaysSoForAnUnknownOne) {
  const Operation none{"Nada", {}, {}, {}};
  try {
    BindCommandLine(none, {"x=1"});
    ADD_FAILURE() << "bound";
  } catch (const InputError& e) {
    EXPECT_EQ(e.message(), "Nada: unknown parameter 'x'; it takes none");
    EXPECT_EQ(e.category(), ErrorCategory::NotFound);
  }
}

TEST(BindJson, AcceptsJsonValuesOfTheRightKindAndTextsInCommandLineSyntax) {
  const Arguments args =
      BindJson(Sample(), nlohmann::json::parse(R"({"pfA": "12", "pfB": "t", "pV": 2})"));
  EXPECT_EQ(args.at("pfA"), TypedValue(int32_t{12}));
  EXPECT_EQ(args.at("pV"), TypedValue(2.0));

  const Operation packet_op{"P", {{"p", ParamType::DataPacket}, {"b", ParamType::Boolean}}, {}, {}};
  const Arguments packet = BindJson(
      packet_op,
      nlohmann::json::parse(
          R"({"p": {"fields": [{"name": "X", "type": "text"}], "rows": [{"X": "a"}]}, "b": true})"));
  EXPECT_EQ(std::get<DataPacket>(packet.at("p")).rows.at(0).at(0), Value::Text("a"));
  EXPECT_EQ(packet.at("b"), TypedValue(true));
}

TEST(BindJson, RejectsJsonValuesOfAnotherKind) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({"pfA": 1.5, "pfB": "t"})", "Op: parameter pfA: '1.5' is not an integer"},
      {R"({"pfA": true, "pfB": "t"})", "Op: parameter pfA: 'true' is not an integer"},
      {R"({"pfA": 1, "pfB": 5})", "Op: parameter pfB: '5' is not a text"},
      {R"({"pfA": 1, "pfB": null})", "Op: parameter pfB: 'null' is not a text"},
      {R"({"pfA": 1})", "Op: missing parameter pfB (text)"},
      {R"([1])", "Op: \"params\" is not a JSON object"},
  };
  for (const auto& [json, message] : cases) {
    SCOPED_TRACE(json);
    try {
      BindJson(Sample(), nlohmann::json::parse(json));
      ADD_FAILURE() << "bound";
    } catch (const InputError& e) {
      EXPECT_EQ(e.message(), message);
    }
  }
}

TEST(BindJson, NullParamsIsAnEmptyObject) {
  const Operation none{"Nada", {}, {}, {}};
  EXPECT_TRUE(BindJson(none, nlohmann::json()).empty());
}

}  // namespace
}  // namespace veiculo::cli
