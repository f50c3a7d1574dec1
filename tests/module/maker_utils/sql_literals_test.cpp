#include "module/maker_utils/sql_literals.h"

#include <gtest/gtest.h>

#include <cmath>

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

using platform::EncodeDate;
using platform::EncodeDateTime;

struct Case {
  const char* name;
  double value;
  const char* dialect;
  const char* date;
  const char* date_time;
};

TEST(SqlLiterals, DateAndDateTimePerDialect) {
  const double leap_afternoon = EncodeDateTime(2024, 2, 29, 13, 45, 10);
  // 45323 is 2024-02-01 (2024-01-31 is 45322); a tenth of a millisecond before
  // it still decodes as that midnight.
  const double hair_before_midnight = 45323 - 0.0001 / 86400;
  const Case cases[] = {
      {"firebird", leap_afternoon, "INTERBASE", "'2024-02-29'", "'2024-02-29 13:45:10'"},
      {"oracle", leap_afternoon, "ORACLE", "TO_DATE('2024-02-29','YYYY-MM-DD')",
       "TO_DATE('2024-02-29 13:45:10','YYYY-MM-DD HH24:MI:SS')"},
      {"sql server", leap_afternoon, "SQLSERVER", "'20240229'", "'2024-02-29T13:45:10'"},
      {"short firebird name", leap_afternoon, "IB", "'2024-02-29'", "'2024-02-29 13:45:10'"},
      {"short oracle name", EncodeDate(2024, 3, 7), "OR", "TO_DATE('2024-03-07','YYYY-MM-DD')",
       "TO_DATE('2024-03-07 00:00:00','YYYY-MM-DD HH24:MI:SS')"},
      {"date 0 is 30 December 1899", 0, "INTERBASE", "'1899-12-30'", "'1899-12-30 00:00:00'"},
      {"date 0 on sql server", 0, "SQLSERVER", "'18991230'", "'1899-12-30T00:00:00'"},
      {"milliseconds are dropped", EncodeDateTime(2024, 1, 31, 23, 59, 59, 999), "INTERBASE",
       "'2024-01-31'", "'2024-01-31 23:59:59'"},
      {"a hair before midnight is midnight", hair_before_midnight, "INTERBASE", "'2024-02-01'",
       "'2024-02-01 00:00:00'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DataPSql(c.value, c.dialect), c.date) << c.name;
    EXPECT_EQ(DataHoraPSql(c.value, c.dialect), c.date_time) << c.name;
  }
}

TEST(SqlLiterals, UnknownDialectIsRefused) {
  for (const char* dialect : {"", "oracle", "INFORMIX"}) {
    try {
      DataPSql(EncodeDate(2024, 1, 1), dialect);
      ADD_FAILURE() << "accepted dialect " << dialect;
    } catch (const Error& e) {
      EXPECT_EQ(e.category(), ErrorCategory::Validation);
      EXPECT_NE(e.message().find(std::string("\"") + dialect + "\""), std::string::npos);
    }
    EXPECT_THROW(DataHoraPSql(EncodeDate(2024, 1, 1), dialect), Error) << dialect;
  }
}

TEST(SqlLiterals, ValuesThatAreNoDateAreRefused) {
  EXPECT_THROW(DataPSql(1e9, "INTERBASE"), Error);  // about the year 2.7 million
  EXPECT_THROW(DataHoraPSql(std::nan(""), "ORACLE"), Error);
}

}  // namespace
}  // namespace veiculo::maker
