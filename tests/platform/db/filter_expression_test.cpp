#include "platform/db/filter_expression.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/format/date_time.h"
#include "platform/format/format_settings.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

using Row = std::map<std::string, Value>;

// Resolves names as a dataset does: an unknown name is an error.
FieldResolver ResolverFor(const Row& row) {
  return [&row](const std::string& name) -> const Value& {
    const auto found = row.find(name);
    if (found == row.end()) throw Error(ErrorCategory::NotFound, "no field " + name);
    return found->second;
  };
}

bool Match(std::string_view filter, const Row& row) {
  return FilterExpression::Parse(filter).Matches(ResolverFor(row));
}

struct Case {
  const char* filter;
  bool expected;
};

void ExpectAll(const Row& row, std::initializer_list<Case> cases) {
  for (const auto& c : cases) {
    try {
      EXPECT_EQ(Match(c.filter, row), c.expected) << c.filter;
    } catch (const Error& error) {
      ADD_FAILURE() << c.filter << ": " << error.what();
    }
  }
}

// The message of the veiculo::Error (validation) a call raises; "" if none.
template <typename F>
std::string ValidationMessage(F&& call) {
  try {
    call();
  } catch (const Error& error) {
    EXPECT_EQ(error.category(), ErrorCategory::Validation) << error.what();
    return error.what();
  }
  return "";
}

TEST(FilterExpression, NotBindsTighterThanAndWhichBindsTighterThanOr) {
  // With A = 1, B = 0, C = 0, "A or B and C" is true only when "and" binds first:
  // left to right, (A or B) and C would be false.
  ExpectAll({{"A", Value::Integer(1)}, {"B", Value::Integer(0)}, {"C", Value::Integer(0)}},
            {{"A = 1 or B = 1 and C = 1", true},
             {"B = 1 and C = 1 or A = 1", true},
             {"(A = 1 or B = 1) and C = 1", false},
             {"A = 1 OR B = 1 AND C = 1", true},
             {"((A = 1))", true},
             {"A = 1 and B = 0 and C = 0", true},
             {"A = 0 or B = 1 or C = 1", false}});
  // With A = 0, B = 1: (not A = 1) and B = 0 is false, while not (A = 1 and B = 0) is true.
  ExpectAll({{"A", Value::Integer(0)}, {"B", Value::Integer(1)}},
            {{"not A = 1 and B = 0", false},
             {"not (A = 1 and B = 0)", true},
             {"NOT A = 1", true},
             {"not not A = 0", true},
             {"not (A = 0 or B = 0)", false}});
}

TEST(FilterExpression, ComparisonOperatorsOnIntegersAndFloats) {
  ExpectAll({{"EMPRESA", Value::Integer(5)},
             {"SALDO", Value::Integer(-2)},
             {"VALOR", Value::Float(2.5)},
             // 2^53 + 1: a double cannot hold it, so integers must compare as integers.
             {"CODIGO", Value::Integer(9007199254740993)}},
            {{"EMPRESA = 5", true},
             {"EMPRESA <> 5", false},
             {"EMPRESA <> 4", true},
             {"EMPRESA < 6", true},
             {"EMPRESA < 5", false},
             {"EMPRESA > 4", true},
             {"EMPRESA > 5", false},
             {"EMPRESA <= 5", true},
             {"EMPRESA >= 6", false},
             {"EMPRESA=5", true},
             {"5 = EMPRESA", true},
             {"6 > EMPRESA", true},
             {"SALDO < -1", true},
             {"SALDO = -2", true},
             {"EMPRESA = 5.0", true},
             {"EMPRESA < 5.1", true},
             {"VALOR > 2", true},
             {"VALOR = 2.5", true},
             {"VALOR < 2.50", false},
             {"VALOR < EMPRESA", true},
             {"CODIGO = 9007199254740993", true},
             {"CODIGO = 9007199254740992", false}});
}

TEST(FilterExpression, TextsCompareExactlyByteByByte) {
  ExpectAll({{"NOME", Value::Text("Centro")},
             {"OBS", Value::Text("D'Avila")},
             {"ASPA", Value::Text("'")},
             {"VAZIO", Value::Text("")},
             // "É" is 0xC3 0x89 in UTF-8: above "Z" (0x5A) when bytes compare unsigned.
             {"ACENTO", Value::Text("\xC3\x89"  // split: "ba" would continue the escape
                                    "bano")},
             {"VALOR TOTAL", Value::Integer(10)},
             {"and", Value::Integer(1)}},
            {{"NOME = 'Centro'", true},
             {"NOME = 'centro'", false},
             {"NOME = 'Centro '", false},
             {"NOME <> 'Centro'", false},
             {"NOME < 'D'", true},
             {"NOME > 'Centra'", true},
             {"NOME < 'a'", true},  // "C" 0x43 sorts before "a" 0x61
             {"ACENTO > 'Z'", true},
             {"OBS = 'D''Avila'", true},
             {"ASPA = ''''", true},
             {"VAZIO = ''", true},
             {"VAZIO is null", false},
             {"[NOME] = 'Centro'", true},
             {"[VALOR TOTAL] > 1", true},
             {"[and] = 1", true},
             {" NOME = 'Centro' and [VALOR TOTAL] = 10 ", true}});
}

TEST(FilterExpression, NullFailsEveryComparisonButIsNull) {
  ExpectAll({{"NULO", Value::Null()}, {"EMPRESA", Value::Integer(1)}, {"FOTO", Value::Blob("x")}},
            {{"NULO = 1", false},
             {"NULO <> 1", false},
             {"NULO < 1", false},
             {"NULO >= 1", false},
             {"NULO = 'x'", false},
             {"NULO = NULO", false},
             {"EMPRESA = NULO", false},
             {"not NULO = 1", true},  // the comparison is false, so its negation is true
             {"NULO is null", true},
             {"NULO IS NOT NULL", false},
             {"EMPRESA is null", false},
             {"EMPRESA is not null", true},
             {"FOTO is not null", true},
             {"NULO is null and EMPRESA = 1", true}});
}

TEST(FilterExpression, NumbersAndTextsCompareAsNumbers) {
  const Row row = {
      {"EMPRESA", Value::Integer(5)}, {"VALOR", Value::Float(2.5)}, {"ANO", Value::Text("2024")}};
  ScopedFormatSettings brazilian(FormatSettings::Brazilian());
  ExpectAll(row, {{"EMPRESA = '5'", true},
                  {"EMPRESA < '10'", true},  // as texts, "5" < "10" would be false
                  {"EMPRESA = ' 5'", true},  // blanks around a number are allowed
                  {"VALOR = '2,5'", true},
                  {"VALOR > '2'", true},
                  {"ANO = 2024", true},
                  {"ANO > 999", true},  // as texts, "2024" > "999" would be false
                  {"ANO < 2024.5", true}});
  {
    ScopedFormatSettings english(FormatSettings::English());
    ExpectAll(row, {{"VALOR = '2.5'", true}});
  }
  EXPECT_EQ(ValidationMessage([&] { Match("EMPRESA = 'abc'", row); }),
            "filter expression: 'abc' is not a number (compared with field EMPRESA): "
            "EMPRESA = 'abc'");
  // The local form has a decimal comma: "2.5" is not a number here.
  EXPECT_EQ(ValidationMessage([&] { Match("VALOR = '2.5'", row); }),
            "filter expression: '2.5' is not a number (compared with field VALOR): "
            "VALOR = '2.5'");
  const Row text_row = {{"NOME", Value::Text("Centro")}};
  EXPECT_EQ(ValidationMessage([&] { Match("NOME = 1", text_row); }),
            "filter expression: field NOME value 'Centro' is not a number (compared with 1): "
            "NOME = 1");
}

TEST(FilterExpression, DateTimesAndTextsCompareAsDates) {
  const Row row = {{"DTA", Value::DateTime(EncodeDate(2024, 1, 31))},
                   {"DTA_HORA", Value::DateTime(EncodeDateTime(2024, 1, 31, 18, 0, 0))},
                   {"VAZIA", Value::Null()}};
  ScopedFormatSettings brazilian(FormatSettings::Brazilian());
  ExpectAll(row, {{"DTA = '31/01/2024'", true},
                  {"DTA < '01/02/2024'", true},
                  {"DTA > '30/01/2024'", true},
                  {"DTA = '2024-01-31'", true},
                  {"DTA > '2024-01-30'", true},
                  {"DTA = '2024-01-31T00:00:00'", true},
                  {"DTA_HORA > '31/01/2024'", true},
                  {"DTA_HORA = '31/01/2024 18:00:00'", true},
                  {"DTA_HORA < '2024-01-31 18:00:01'", true},
                  {"DTA = 45322", true},  // 2024-01-31 is day 45322 after 1899-12-30
                  {"DTA_HORA = 45322.75", true},
                  {"DTA < DTA_HORA", true},
                  {"VAZIA < '31/01/2024'", false}});
  {
    ScopedFormatSettings english(FormatSettings::English());
    ExpectAll(row, {{"DTA = '01/31/2024'", true}, {"DTA = '2024-01-31'", true}});
  }
  EXPECT_EQ(ValidationMessage([&] { Match("DTA = '31/02/2024'", row); }),
            "filter expression: '31/02/2024' is not a date (compared with field DTA): "
            "DTA = '31/02/2024'");
  EXPECT_EQ(ValidationMessage([&] { Match("DTA = '2024-02-31'", row); }),
            "filter expression: '2024-02-31' is not a date (compared with field DTA): "
            "DTA = '2024-02-31'");
}

TEST(FilterExpression, BlobsCannotBeCompared) {
  const Row row = {{"FOTO", Value::Blob("\x89PNG")}};
  EXPECT_EQ(ValidationMessage([&] { Match("FOTO = 'x'", row); }),
            "filter expression: cannot compare blob field FOTO: FOTO = 'x'");
}

TEST(FilterExpression, UnknownFieldsRaiseTheResolversError) {
  const Row row = {{"EMPRESA", Value::Integer(1)}};
  const FilterExpression filter = FilterExpression::Parse("EMPRESA = 1 and FORMULA = 'A'");
  try {
    filter.Matches(ResolverFor(row));
    ADD_FAILURE() << "an unknown field was accepted";
  } catch (const Error& error) {
    EXPECT_EQ(error.category(), ErrorCategory::NotFound);
    EXPECT_EQ(std::string(error.what()), "no field FORMULA");
  }
}

TEST(FilterExpression, EmptyTextMatchesEveryRow) {
  const FieldResolver failing = [](const std::string& name) -> const Value& {
    throw Error(ErrorCategory::NotFound, "no field " + name);
  };
  for (const char* text : {"", "   ", "\t\n"}) {
    const FilterExpression filter = FilterExpression::Parse(text);
    EXPECT_TRUE(filter.Empty()) << "'" << text << "'";
    EXPECT_TRUE(filter.Matches(failing));
    EXPECT_TRUE(filter.FieldNames().empty());
  }
  EXPECT_TRUE(FilterExpression().Empty());
  EXPECT_FALSE(FilterExpression::Parse("A = 1").Empty());
}

TEST(FilterExpression, ListsTheFieldsItReadsOnceEach) {
  const FilterExpression filter =
      FilterExpression::Parse("A = 1 and (B = 'x' or A > 2) and [C D] is null and 3 < E");
  EXPECT_EQ(filter.FieldNames(), (std::vector<std::string>{"A", "B", "C D", "E"}));
}

TEST(FilterExpression, FormulaLinesFilterParsedOnceAppliesToEveryRow) {
  // The formula-line restriction as the costing builds it, with its leading blank.
  const FilterExpression filter = FilterExpression::Parse(
      " EMPRESA = 1 and FORMULA = 'ABC' and STATUS = 'A' and (TIPO = 'N' or TIPO = 'E')");
  struct Line {
    int64_t empresa;
    const char* formula;
    const char* status;
    const char* tipo;
    bool expected;
  };
  const Line lines[] = {{1, "ABC", "A", "N", true},  {1, "ABC", "A", "E", true},
                        {1, "ABC", "A", "C", false}, {1, "ABC", "I", "N", false},
                        {2, "ABC", "A", "N", false}, {1, "ABCD", "A", "N", false},
                        {1, "abc", "A", "E", false}};
  for (const auto& line : lines) {
    const Row row = {{"EMPRESA", Value::Integer(line.empresa)},
                     {"FORMULA", Value::Text(line.formula)},
                     {"STATUS", Value::Text(line.status)},
                     {"TIPO", Value::Text(line.tipo)}};
    EXPECT_EQ(filter.Matches(ResolverFor(row)), line.expected)
        << line.empresa << " " << line.formula << " " << line.status << " " << line.tipo;
  }
  // The bonus filter is written without blanks.
  EXPECT_TRUE(Match("GRUPO_BONUS='X'", {{"GRUPO_BONUS", Value::Text("X")}}));
}

TEST(FilterExpression, LongChainsAndDeepNesting) {
  // 5000 alternatives: evaluation must not recurse once per term.
  std::string chain = "A = 0";
  for (int i = 1; i < 5000; ++i) chain += " or A = " + std::to_string(i);
  EXPECT_TRUE(Match(chain, {{"A", Value::Integer(4999)}}));
  EXPECT_FALSE(Match(chain, {{"A", Value::Integer(5000)}}));

  const std::string nested = std::string(150, '(') + "A = 1" + std::string(150, ')');
  EXPECT_TRUE(Match(nested, {{"A", Value::Integer(1)}}));
  // The 201st "(" (offset 200) is one level past the limit of 200.
  const std::string too_deep = std::string(300, '(') + "A = 1" + std::string(300, ')');
  EXPECT_EQ(ValidationMessage([&] { FilterExpression::Parse(too_deep); }),
            "filter expression: expression nested too deeply at position 201: " + too_deep);
}

TEST(FilterExpression, ParseErrorsNameTheProblemAndItsPosition) {
  struct ErrorCase {
    const char* text;
    const char* problem;  // the message is "filter expression: <problem>: <text>"
  };
  const ErrorCase cases[] = {
      {"EMPRESA = and X = 1", "expected a value at position 11"},
      {"EMPRESA =", "expected a value at position 10"},
      {"= 1", "expected a value at position 1"},
      {"A = 1 or", "expected a value at position 9"},
      {"not", "expected a value at position 4"},
      {"()", "expected a value at position 2"},
      // Positions count characters, not bytes: "ã" is two bytes.
      {"NOME = 'S\xC3\xA3o' and", "expected a value at position 17"},
      {"NOME = 'abc", "unclosed quote at position 8"},
      {"NOME = 'it''s", "unclosed quote at position 8"},
      {"EMPRESA == 1", "unknown operator '==' at position 9"},
      {"EMPRESA != 1", "unknown operator '!=' at position 9"},
      {"EMPRESA =< 1", "unknown operator '=<' at position 9"},
      {"NOME like 'A%'", "unknown operator 'like' at position 6"},
      {"EMPRESA 1", "expected a comparison operator at position 9"},
      {"EMPRESA", "expected a comparison operator at position 8"},
      {"EMPRESA and B = 1", "expected a comparison operator at position 9"},
      {"EMPRESA = 1 X", "unexpected 'X' at position 13"},
      {"EMPRESA = 1 'x'", "unexpected 'x' at position 13"},
      {"(EMPRESA = 1", "unclosed '(' at position 1"},
      {"((EMPRESA = 1)", "unclosed '(' at position 1"},
      {"EMPRESA = 1)", "unbalanced ')' at position 12"},
      {"(EMPRESA = 1 B = 2)", "expected ')' at position 14"},
      {"EMPRESA is 1", "expected null at position 12"},
      {"EMPRESA is not", "expected null at position 15"},
      {"EMPRESA = null", "null is allowed only in 'is null' and 'is not null' at position 11"},
      {"[NOME = 'x'", "unclosed '[' at position 1"},
      {"[] = 1", "empty field name at position 1"},
      {"VALOR = 1.", "malformed number '1.' at position 9"},
      {"EMPRESA # 1", "unexpected character '#' at position 9"},
      {"NOME = '\xC3\xA3' \xC2\xA7 1", "unexpected character '\xC2\xA7' at position 12"},
      {"EMPRESA = \"x\"", "unexpected character '\"' at position 11"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValidationMessage([&] { FilterExpression::Parse(c.text); }),
              std::string("filter expression: ") + c.problem + ": " + c.text);
  }
}

}  // namespace
}  // namespace veiculo::platform
