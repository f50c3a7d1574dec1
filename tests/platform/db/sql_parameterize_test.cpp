#include "platform/db/sql_parameterize.h"

#include <gtest/gtest.h>

#include "platform/db/literal_binding.h"

namespace veiculo::platform {
namespace {

// Literals as "T:text" or "N:number", so that a case reads on one line.
std::vector<std::string> Literals(const ParameterizedSql& p) {
  std::vector<std::string> out;
  for (const SqlLiteral& l : p.literals)
    out.push_back((l.kind == SqlLiteral::Kind::Text ? "T:" : "N:") + l.value);
  return out;
}

TEST(ParameterizeLiterals, ReplacesLiteralsTypedByAColumnAndKeepsTheRest) {
  struct Case {
    std::string sql, positional;
    std::vector<std::string> literals;
  };
  const Case cases[] = {
      // Comparisons with a column, either qualified or quoted.
      {"select * from T where EMPRESA = 1 and v.VEICULO = 'S0001'",
       "select * from T where EMPRESA = ? and v.VEICULO = ?",
       {"N:1", "T:S0001"}},
      {"select * from T where \"Nome\" <> 'a''b' and (X >= -2.50)",
       "select * from T where \"Nome\" <> ? and (X >= ?)",
       {"T:a'b", "N:-2.50"}},
      {"select A from T where X = 'C:\\dir\\' or Y = 'hora 10:30'",
       "select A from T where X = ? or Y = ?",
       {"T:C:\\dir\\", "T:hora 10:30"}},
      {"select case when X = 'A' then 'B' else 'C' end from T order by 1",
       "select case when X = ? then 'B' else 'C' end from T order by 1",
       {"T:A"}},
      // IN lists (with markers among them), BETWEEN bounds.
      {"where X in (1, -2, ?, 'a') and Y not in ('b')",
       "where X in (?, ?, ?, ?) and Y not in (?)",
       {"N:1", "N:-2", "T:a", "T:b"}},
      {"where D between '2024-01-01' and ? and E not between 1 and 2",
       "where D between ? and ? and E not between ? and ?",
       {"T:2024-01-01", "N:1", "N:2"}},
      // INSERT's VALUES and UPDATE's SET: items that are a literal alone.
      {"insert into T (A, B, C, D, E) values ('x', 2.5, null, 1 + 2, cast('2024-01-01' as date))",
       "insert into T (A, B, C, D, E) values (?, ?, null, 1 + 2, cast('2024-01-01' as date))",
       {"T:x", "N:2.5"}},
      {"update T set A = 'x', B = -3, C = B + 1 where K = 7 and L = ?",
       "update T set A = ?, B = ?, C = B + 1 where K = ? and L = ?",
       {"T:x", "N:-3", "N:7"}},
      // Kept: select-list constants, function arguments, LIKE patterns,
      // arithmetic, concatenation, expressions on the column side, typed
      // literals, exponents, literals on both sides, ORDER BY positions.
      {"select 'x', 1, coalesce(A, 0) from T where A like 'S%' and B starting with 'S'",
       "select 'x', 1, coalesce(A, 0) from T where A like 'S%' and B starting with 'S'",
       {}},
      {"where X = 1 + Y and X || 'a' = 'ba' and coalesce(X, 0) = 5 and 1 = 1",
       "where X = 1 + Y and X || 'a' = 'ba' and coalesce(X, 0) = 5 and 1 = 1",
       {}},
      {"where D = DATE '2024-01-01' and F = 1e3 and N = N'x' and C = CURRENT_DATE",
       "where D = DATE '2024-01-01' and F = 1e3 and N = N'x' and C = CURRENT_DATE",
       {}},
      {"where X = 1 * 2 and Y = 2 - 1 and Z = - 1",
       "where X = 1 * 2 and Y = 2 - 1 and Z = - 1",
       {}},
      // Dialects' date forms: Oracle's and SQL Server's functions keep theirs.
      {"where D >= TO_DATE('2024-02-29','YYYY-MM-DD') and E < CONVERT(DATETIME, '29/02/2024', 103)",
       "where D >= TO_DATE('2024-02-29','YYYY-MM-DD') and E < CONVERT(DATETIME, '29/02/2024', 103)",
       {}},
      {"where D = '20240229' and E = '2024-02-29T13:45:10'",
       "where D = ? and E = ?",
       {"T:20240229", "T:2024-02-29T13:45:10"}},
      // Comments and the SQL Server hook's tags stay, with what they hold.
      {"where A = /*Empresa*/'1' and B = 2 -- B = 3\n and C = 'x' /* C = 'y' */",
       "where A = /*Empresa*/'1' and B = ? -- B = 3\n and C = ? /* C = 'y' */",
       {"N:2", "T:x"}},
      // An unterminated text stays as it is.
      {"where A = 'abc", "where A = 'abc", {}},
  };
  for (const Case& c : cases) {
    const ParameterizedSql p = ParameterizeLiterals(c.sql);
    EXPECT_EQ(p.positional, c.positional) << c.sql;
    EXPECT_EQ(Literals(p), c.literals) << c.sql;
  }
}

TEST(ParameterizeLiterals, OrdersOriginalMarkersAndLiteralsByPosition) {
  const ParameterizedSql p = ParameterizeLiterals("where A = ? and B = 'x' and C in (?, 5)");
  EXPECT_EQ(p.positional, "where A = ? and B = ? and C in (?, ?)");
  EXPECT_EQ(p.sources, (std::vector<int>{0, -1, 1, -2}));
  EXPECT_EQ(ParameterizeLiterals("where A = ? and B = ?").sources, (std::vector<int>{0, 1}));
}

TEST(LiteralValue, BindsOnlyWhatTheEngineReadsAsTheLiteral) {
  using K = ParameterType::Kind;
  const SqlLiteral::Kind T = SqlLiteral::Kind::Text, N = SqlLiteral::Kind::Number;
  struct Case {
    SqlLiteral::Kind kind;
    const char* literal;
    ParameterType type;
    const char* bound;  // the bound value's text; empty: the literal is kept
  };
  const Case cases[] = {
      {N, "12.50", {K::Exact, 2, 8, 0}, "12.5"},
      {N, "-7", {K::Exact, 2, 8, 0}, "-7"},
      {N, "1.005", {K::Exact, 2, 8, 0}, ""},  // more decimals than the scale
      {N, "2.5", {K::Exact, 0, 4, 0}, ""},    // a fraction against an integer
      {N, "32768", {K::Exact, 0, 2, 0}, ""},  // out of SMALLINT's range
      {N, "2147483647", {K::Exact, 0, 4, 0}, "2147483647"},
      {N, "99999999999999999.99", {K::Exact, 2, 8, 0}, ""},
      {T, "42", {K::Exact, 0, 4, 0}, "42"},
      {T, "4.2", {K::Exact, 1, 4, 0}, ""},
      {N, "5", {K::Text, 0, 8, 10}, ""},  // the engine compares by value
      {T, "ABCDEFGHIJ", {K::Text, 0, 8, 10}, "ABCDEFGHIJ"},
      {T, "ABCDEFGHIJK", {K::Text, 0, 8, 10}, ""},  // longer than the column
      {T, "ação", {K::Text, 0, 8, 4}, "ação"},      // characters, not bytes
      {T, "2024-02-29", {K::Date, 0, 8, 0}, "2024-02-29"},
      {T, "2023-02-29", {K::Date, 0, 8, 0}, ""},  // not a day
      {T, "29.02.2024", {K::Date, 0, 8, 0}, ""},  // a form the driver does not read
      {T, "2024-02-29 13:45:10", {K::Date, 0, 8, 0}, ""},
      {T, "2024-02-29 13:45:10", {K::Timestamp, 0, 8, 0}, "2024-02-29 13:45:10"},
      {T, "2024-02-29 24:00:00", {K::Timestamp, 0, 8, 0}, ""},
      {T, "20240229", {K::Timestamp, 0, 8, 0}, ""},
      {N, "0.25", {K::Float, 0, 8, 0}, "0.25"},
      {T, "x", {K::Other, 0, 8, 0}, ""},
  };
  for (const Case& c : cases) {
    const std::optional<Value> value = LiteralValue({c.kind, c.literal}, c.type);
    const std::string bound = c.bound;
    ASSERT_EQ(value.has_value(), !bound.empty()) << c.literal;
    if (value) {
      EXPECT_EQ(value->type() == FieldType::Float ? std::to_string(value->AsFloat()).substr(0, 4)
                                                  : value->AsText(),
                bound)
          << c.literal;
    }
  }
}

}  // namespace
}  // namespace veiculo::platform
