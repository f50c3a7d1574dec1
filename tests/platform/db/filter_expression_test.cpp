#include "platform/db/filter_expression.h"
#include "support/expect_error.h"

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

void ExpectAll(const Row& row, std::initializer_list<std::pair<const char*, bool>> cases) {
  for (const auto& [filter, expected] : cases) EXPECT_EQ(Match(filter, row), expected) << filter;
}

TEST(FilterExpression, PrecedenceAndComparisons) {
  // With A = 1, B = 0, C = 0, "A or B and C" is true only when "and" binds first;
  // "not" binds tighter still: (not A = 0) and B = 1 is false, not (A = 0 and B = 1) true.
  ExpectAll({{"A", Value::Integer(1)}, {"B", Value::Integer(0)}, {"C", Value::Integer(0)}},
            {{"A = 1 OR B = 1 AND C = 1", true},
             {"(A = 1 or B = 1) and C = 1", false},
             {"not A = 0 and B = 1", false},
             {"NOT (A = 0 and B = 1)", true}});
  ExpectAll({{"EMPRESA", Value::Integer(5)},
             {"VALOR", Value::Float(2.5)},
             // 2^53 + 1: a double cannot hold it, so integers must compare as integers.
             {"CODIGO", Value::Integer(9007199254740993)}},
            {{"EMPRESA <> 5", false},
             {"EMPRESA < 5", false},
             {"EMPRESA < 5.1", true},
             {"VALOR < EMPRESA", true},
             {"CODIGO = 9007199254740992", false}});
}

TEST(FilterExpression, TextsCompareByteByByteAndNullFailsAllButIsNull) {
  ExpectAll({{"NOME", Value::Text("Centro")},
             {"OBS", Value::Text("D'Avila")},
             // "É" is 0xC3 0x89 in UTF-8: above "Z" (0x5A) when bytes compare unsigned.
             {"ACENTO", Value::Text("\xC3\x89"
                                    "bano")},
             {"VALOR TOTAL", Value::Integer(10)},
             {"NULO", Value::Null()},
             {"VAZIO", Value::Text("")}},
            {{"NOME = 'centro'", false},
             {"NOME < 'a'", true},  // "C" 0x43 sorts before "a" 0x61
             {"ACENTO > 'Z'", true},
             {"OBS = 'D''Avila'", true},
             {"[VALOR TOTAL] > 1", true},
             {"NULO <> 1", false},
             {"NULO = NULO", false},
             {"not NULO = 1", true},  // the comparison is false, so its negation is true
             {"NULO is null and VAZIO is not null", true}});
}

TEST(FilterExpression, NumbersAndDatesAgainstTextsCompareAsNumbersAndDates) {
  const Row row = {{"EMPRESA", Value::Integer(5)},
                   {"VALOR", Value::Float(2.5)},
                   {"ANO", Value::Text("2024")},
                   {"DTA", Value::DateTime(EncodeDate(2024, 1, 31))},
                   {"DTA_HORA", Value::DateTime(EncodeDateTime(2024, 1, 31, 18, 0, 0))},
                   {"VAZIA", Value::Null()},
                   {"NOME", Value::Text("Centro")},
                   {"FOTO", Value::Blob("x")}};
  ScopedFormatSettings brazilian(FormatSettings::Brazilian());
  ExpectAll(row, {{"EMPRESA < '10'", true},  // as texts, "5" < "10" would be false
                  {"EMPRESA = ' 5'", true},  // blanks around a number are allowed
                  {"ANO > 999", true},       // as texts, "2024" > "999" would be false
                  {"DTA < '01/02/2024'", true},
                  {"DTA = '2024-01-31T00:00:00'", true},
                  {"DTA_HORA = '31/01/2024 18:00:00'", true},
                  {"DTA = 45322", true},  // 2024-01-31 is day 45322 after 1899-12-30
                  {"DTA_HORA = 45322.75", true},
                  {"VAZIA < '31/01/2024'", false}});
  {
    ScopedFormatSettings english(FormatSettings::English());
    ExpectAll(row, {{"VALOR = '2.5'", true}, {"DTA = '01/31/2024'", true}});
  }
  // The local form has a decimal comma: "2.5" is not a number here.
  const std::pair<const char*, const char*> bad[] = {
      {"VALOR = '2.5'", "'2.5' is not a number (compared with field VALOR)"},
      {"EMPRESA = 'abc'", "'abc' is not a number (compared with field EMPRESA)"},
      {"DTA = '31/02/2024'", "'31/02/2024' is not a date (compared with field DTA)"},
      {"DTA = '2024-02-31'", "'2024-02-31' is not a date (compared with field DTA)"},
      {"NOME = 1", "field NOME value 'Centro' is not a number (compared with 1)"},
      {"FOTO = 'x'", "cannot compare blob field FOTO"},
  };
  for (const auto& [text, problem] : bad)
    EXPECT_VEICULO_ERROR(Match(text, row), ErrorCategory::Validation,
                         std::string("filter expression: ") + problem + ": " + text);
}

TEST(FilterExpression, UnknownFieldsRaiseTheResolversError) {
  EXPECT_VEICULO_ERROR(Match("EMPRESA = 1 and FORMULA = 'A'", {{"EMPRESA", Value::Integer(1)}}),
                       ErrorCategory::NotFound, "no field FORMULA");
}

TEST(FilterExpression, EmptyTextMatchesEveryRowAndFieldNamesAreListedOnce) {
  const FieldResolver failing = [](const std::string& name) -> const Value& {
    throw Error(ErrorCategory::NotFound, "no field " + name);
  };
  const FilterExpression empty = FilterExpression::Parse(" \t\n");
  EXPECT_TRUE(empty.Empty());
  EXPECT_TRUE(empty.Matches(failing));
  EXPECT_EQ(FilterExpression::Parse("A = 1 and (B = 'x' or A > 2) and [C D] is null and 3 < E")
                .FieldNames(),
            (std::vector<std::string>{"A", "B", "C D", "E"}));
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
  EXPECT_VEICULO_ERROR(
      FilterExpression::Parse(too_deep), ErrorCategory::Validation,
      "filter expression: expression nested too deeply at position 201: " + too_deep);
}

TEST(FilterExpression, ParseErrorsNameTheProblemAndItsPosition) {
  const std::pair<const char*, const char*> cases[] = {
      // text, problem
      {"EMPRESA = and X = 1", "expected a value at position 11"},
      // Positions count characters, not bytes: "ã" is two bytes.
      {"NOME = 'S\xC3\xA3o' and", "expected a value at position 17"},
      {"NOME = 'it''s", "unclosed quote at position 8"},
      {"EMPRESA == 1", "unknown operator '==' at position 9"},
      {"EMPRESA and B = 1", "expected a comparison operator at position 9"},
      {"EMPRESA = 1 'x'", "unexpected 'x' at position 13"},
      {"((EMPRESA = 1)", "unclosed '(' at position 1"},
      {"(EMPRESA = 1 B = 2)", "expected ')' at position 14"},
      {"EMPRESA is not", "expected null at position 15"},
      {"EMPRESA = null", "null is allowed only in 'is null' and 'is not null' at position 11"},
      {"[NOME = 'x'", "unclosed '[' at position 1"},
      {"VALOR = 1.", "malformed number '1.' at position 9"},
      {"NOME = '\xC3\xA3' \xC2\xA7 1", "unexpected character '\xC2\xA7' at position 12"},
  };
  for (const auto& [text, problem] : cases)
    EXPECT_VEICULO_ERROR(FilterExpression::Parse(text), ErrorCategory::Validation,
                         std::string("filter expression: ") + problem + ": " + text);
}

}  // namespace
}  // namespace veiculo::platform
