#include "platform/format/format_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace veiculo::platform {
namespace {

// One value through one pattern under the three settings the module uses:
// Brazilian (',' decimal, '.' thousands), English ('.' decimal, ',' thousands)
// and SQL ('.' decimal, no grouping).
struct Case {
  const char* pattern;
  double value;
  const char* brazilian;
  const char* english;
  const char* sql;
};

void ExpectAll(const Case& c) {
  EXPECT_EQ(FormatFloat(c.pattern, c.value, FormatSettings::Brazilian()), c.brazilian)
      << "pattern \"" << c.pattern << "\" value " << c.value;
  EXPECT_EQ(FormatFloat(c.pattern, c.value, FormatSettings::English()), c.english)
      << "pattern \"" << c.pattern << "\" value " << c.value;
  EXPECT_EQ(FormatFloat(c.pattern, c.value, SqlFormatSettings()), c.sql)
      << "pattern \"" << c.pattern << "\" value " << c.value;
}

TEST(FormatFloat, AmountPatterns) {
  const Case cases[] = {
      {"########0.00", 1234567.891, "1234567,89", "1234567.89", "1234567.89"},
      {"########0.00", 0, "0,00", "0.00", "0.00"},
      {"########0.00", -12.5, "-12,50", "-12.50", "-12.50"},
      {"#0.00", 7.1, "7,10", "7.10", "7.10"},
      {"#0.00", 123.456, "123,46", "123.46", "123.46"},
      {"#0.00", -7.1, "-7,10", "-7.10", "-7.10"},
      {"#0.00", 0, "0,00", "0.00", "0.00"},
      {"#####0.00", 1234.5, "1234,50", "1234.50", "1234.50"},
      // More integer digits than placeholders: all are written.
      {"#####0.00", 12345678.9, "12345678,90", "12345678.90", "12345678.90"},
      {"0.00", 1234567.891, "1234567,89", "1234567.89", "1234567.89"},
      {"0.00", 0.5, "0,50", "0.50", "0.50"},
      {"##0.0000", 3.14159265, "3,1416", "3.1416", "3.1416"},
      {"##0.0000", 1234.5, "1234,5000", "1234.5000", "1234.5000"},
      {"##0.0000", 0.00005, "0,0001", "0.0001", "0.0001"},  // a half at the 4th decimal
      {"##0.00%", 12.5, "12,50%", "12.50%", "12.50%"},
      {"##0.00%", 100, "100,00%", "100.00%", "100.00%"},
      {"##0.00%", -3.333, "-3,33%", "-3.33%", "-3.33%"},
  };
  for (const Case& c : cases) ExpectAll(c);
}

TEST(FormatFloat, ThousandsGrouping) {
  const Case cases[] = {
      {"##,###,##0.00 ", 1234567.891, "1.234.567,89 ", "1,234,567.89 ", "1234567.89 "},
      {"##,###,##0.00 ", 0.5, "0,50 ", "0.50 ", "0.50 "},
      {"##,###,##0.00 ", -1234.5, "-1.234,50 ", "-1,234.50 ", "-1234.50 "},
      // 999.999 rounds up into a new group.
      {"##,###,##0.00 ", 999.999, "1.000,00 ", "1,000.00 ", "1000.00 "},
      // 11 integer digits for 9 placeholders: the extra ones are grouped too.
      {"##,###,##0.00 ", 12345678901.23, "12.345.678.901,23 ", "12,345,678,901.23 ",
       "12345678901.23 "},
      // Four '0's before the point: at least four integer digits, grouped.
      {"0,000.00", 5, "0.005,00", "0,005.00", "0005.00"},
      {"0,000.00", 1234.5, "1.234,50", "1,234.50", "1234.50"},
      {"0,000.00", 1234567.891, "1.234.567,89", "1,234,567.89", "1234567.89"},
  };
  for (const Case& c : cases) ExpectAll(c);
}

TEST(FormatFloat, ZeroPaddedCodes) {
  const Case cases[] = {
      {"00000000000", 12345678901, "12345678901", "12345678901", "12345678901"},  // a CPF
      {"00000000000", 123, "00000000123", "00000000123", "00000000123"},
      {"00000000000", 0, "00000000000", "00000000000", "00000000000"},
      {"00000000000", 123.5, "00000000124", "00000000124", "00000000124"},  // half up
      {"0000-0000", 12345678, "1234-5678", "1234-5678", "1234-5678"},
      {"0000-0000", 123, "0000-0123", "0000-0123", "0000-0123"},
      {"0000-0000", 123456789, "12345-6789", "12345-6789", "12345-6789"},
      {"0000000", 42, "0000042", "0000042", "0000042"},
      {"0000000", 1234567, "1234567", "1234567", "1234567"},
      {"00", 5, "05", "05", "05"},
      {"00", 123, "123", "123", "123"},
      {"00", 4.5, "05", "05", "05"},
      {"00", 0, "00", "00", "00"},
      {"00", -3, "-03", "-03", "-03"},
  };
  for (const Case& c : cases) ExpectAll(c);
}

// The value is written with 15 significant digits first, and that decimal
// text is rounded half away from zero: 2.675 is stored as
// 2.67499999999999982..., but its 15-digit text is 2.67500000000000.
TEST(FormatFloat, HalvesRoundAwayFromZeroOnTheDecimalText) {
  const Case cases[] = {
      {"0.00", 2.675, "2,68", "2.68", "2.68"},
      {"0.00", 1.005, "1,01", "1.01", "1.01"},  // stored 1.00499999999999989...
      {"0.00", 0.125, "0,13", "0.13", "0.13"},  // exact in binary
      {"0.00", 0.005, "0,01", "0.01", "0.01"},
      {"0.00", -0.005, "-0,01", "-0.01", "-0.01"},
      {"0.00", -0.125, "-0,13", "-0.13", "-0.13"},
      {"0.00", 0.0, "0,00", "0.00", "0.00"},
      {"0.00", 0.004, "0,00", "0.00", "0.00"},
      // Rounds to zero: no minus sign.
      {"0.00", -0.004, "0,00", "0.00", "0.00"},
      {"0.00", -0.0, "0,00", "0.00", "0.00"},
      {"##0.00%", 0.125, "0,13%", "0.13%", "0.13%"},
  };
  for (const Case& c : cases) ExpectAll(c);
}

TEST(FormatFloat, OptionalDigitsAndLiterals) {
  const FormatSettings br = FormatSettings::Brazilian();
  EXPECT_EQ(FormatFloat("#", 0, br), "");  // no digit is significant
  EXPECT_EQ(FormatFloat("#.##", 5, br), "5");
  EXPECT_EQ(FormatFloat("#.##", 1.5, br), "1,5");
  EXPECT_EQ(FormatFloat("0.0#", 1.5, br), "1,5");
  EXPECT_EQ(FormatFloat("0.0#", 1.25, br), "1,25");
  EXPECT_EQ(FormatFloat(".00", 0.5, br), ",50");
  EXPECT_EQ(FormatFloat(".00", 12.5, br), "12,50");
  EXPECT_EQ(FormatFloat("'R$ '#,##0.00", 1234.5, br), "R$ 1.234,50");
  EXPECT_EQ(FormatFloat("'R$ '#,##0.00", -1234.5, br), "-R$ 1.234,50");
  EXPECT_EQ(FormatFloat("\"0#.,;\" 0", 7, br), "0#.,; 7");  // placeholders inside quotes are text
  EXPECT_EQ(FormatFloat("0 'un", 7, br), "7 un");           // unclosed quote runs to the end
}

TEST(FormatFloat, Sections) {
  const FormatSettings br = FormatSettings::Brazilian();
  const char* three = "0.00;(0.00);'zero'";
  EXPECT_EQ(FormatFloat(three, 5, br), "5,00");
  EXPECT_EQ(FormatFloat(three, -5, br), "(5,00)");
  EXPECT_EQ(FormatFloat(three, 0, br), "zero");
  EXPECT_EQ(FormatFloat(three, -0.001, br), "zero");  // rounds to zero
  EXPECT_EQ(FormatFloat("0.00;(0.00)", -0.001, br), "0,00");
  EXPECT_EQ(FormatFloat("0.00;;'zero'", -5, br), "-5,00");  // empty section: the positive one
  EXPECT_EQ(FormatFloat("'a;b' 0", 3, br), "a;b 3");        // ';' inside quotes
}

TEST(FormatFloat, Scientific) {
  const FormatSettings br = FormatSettings::Brazilian();
  // Three digit placeholders: 12345 -> 1,23 x 10^4.
  EXPECT_EQ(FormatFloat("0.00E+00", 12345, br), "1,23E+04");
  EXPECT_EQ(FormatFloat("0.00E+00", 0.000123, br), "1,23E-04");
  EXPECT_EQ(FormatFloat("0.00E-00", 1230, br), "1,23E03");  // E- signs negative exponents only
  EXPECT_EQ(FormatFloat("0.00E+00", 0, br), "0,00E+00");
}

TEST(FormatFloat, GeneralFormatAndSpecialValues) {
  EXPECT_EQ(FormatFloat("", 1234.5, FormatSettings::Brazilian()), "1234,5");
  EXPECT_EQ(FormatFloat("", 1234.5, FormatSettings::English()), "1234.5");
  EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(FormatFloat("0.00", std::nan("")), "NAN");
}

TEST(FormatFloat, LargeValuesKeepFifteenSignificantDigits) {
  const FormatSettings br = FormatSettings::Brazilian();
  EXPECT_EQ(FormatFloat("0", 1e20, br), "100000000000000000000");
  // Stored as 12345678901234568; 15 digits: 123456789012346, then zeros.
  EXPECT_EQ(FormatFloat("0", 12345678901234567.0, br), "12345678901234600");
}

TEST(FormatFloat, WithoutSettingsUsesTheCurrentOnes) {
  {
    ScopedFormatSettings english(FormatSettings::English());
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1,234.50");
  }
  ScopedFormatSettings brazilian(FormatSettings::Brazilian());
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
}

}  // namespace
}  // namespace veiculo::platform
