// Number formatting and the rounding beneath it.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "platform/format/format_float.h"
#include "platform/format/rounding.h"
#include "support/expect_error.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// One value through one pattern under Brazilian (',' decimal, '.' thousands),
// English ('.' decimal, ',' thousands) and SQL ('.' decimal, no grouping).
struct Case {
  const char* pattern;
  double value;
  const char* brazilian;
  const char* english;
  const char* sql;
};

TEST(FormatFloat, PatternsUnderTheThreeSettings) {
  const Case cases[] = {
      {"#####0.00", 12345678.9, "12345678,90", "12345678.90", "12345678.90"},  // digits overflow
      {"##0.0000", 0.00005, "0,0001", "0.0001", "0.0001"},  // a half at the 4th decimal
      {"##0.00%", -3.333, "-3,33%", "-3.33%", "-3.33%"},
      {"##,###,##0.00 ", -1234.5, "-1.234,50 ", "-1,234.50 ", "-1234.50 "},
      {"##,###,##0.00 ", 999.999, "1.000,00 ", "1,000.00 ", "1000.00 "},  // rounds into a group
      // 11 integer digits for 9 placeholders: the extra ones are grouped too.
      {"##,###,##0.00 ", 12345678901.23, "12.345.678.901,23 ", "12,345,678,901.23 ",
       "12345678901.23 "},
      {"0,000.00", 5, "0.005,00", "0,005.00", "0005.00"},  // four '0's: four digits, grouped
      {"00000000000", 123.5, "00000000124", "00000000124", "00000000124"},  // a CPF, half up
      {"0000-0000", 123456789, "12345-6789", "12345-6789", "12345-6789"},
      // 15 significant digits first, then half away from zero on that text:
      // 2.675 is stored 2.67499999..., but its 15-digit text is 2.67500000000000.
      {"0.00", 2.675, "2,68", "2.68", "2.68"},
      {"0.00", 1.005, "1,01", "1.01", "1.01"},
      {"0.00", -0.125, "-0,13", "-0.13", "-0.13"},
      {"0.00", -0.004, "0,00", "0.00", "0.00"},  // rounds to zero: no minus sign
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " " + std::to_string(c.value));
    EXPECT_EQ(FormatFloat(c.pattern, c.value, FormatSettings::Brazilian()), c.brazilian);
    EXPECT_EQ(FormatFloat(c.pattern, c.value, FormatSettings::English()), c.english);
    EXPECT_EQ(FormatFloat(c.pattern, c.value, SqlFormatSettings()), c.sql);
  }
}

TEST(FormatFloat, OptionalDigitsLiteralsSectionsAndScientific) {
  const std::tuple<const char*, double, const char*> cases[] = {
      // Brazilian settings
      {"#", 0, ""},  // no digit is significant
      {"0.0#", 1.25, "1,25"},
      {"'R$ '#,##0.00", -1234.5, "-R$ 1.234,50"},
      {"\"0#.,;\" 0", 7, "0#.,; 7"},  // placeholders inside quotes are text
      {"0 'un", 7, "7 un"},           // an unclosed quote runs to the end
      {"0.00;(0.00);'zero'", -5, "(5,00)"},
      {"0.00;(0.00);'zero'", -0.001, "zero"},  // rounds to zero
      {"0.00;(0.00)", -0.001, "0,00"},
      {"0.00;;'zero'", -5, "-5,00"},  // an empty section: the positive one
      {"'a;b' 0", 3, "a;b 3"},
      {"0.00E+00", 12345, "1,23E+04"},  // three placeholders: 1,23 x 10^4
      {"0.00E-00", 1230, "1,23E03"},    // E- signs negative exponents only
      {"", 1234.5, "1234,5"},
      {"0", 1e20, "100000000000000000000"},
      // Stored as 12345678901234568; 15 digits: 123456789012346, then zeros.
      {"0", 12345678901234567.0, "12345678901234600"},
  };
  for (const auto& [pattern, value, expected] : cases)
    EXPECT_EQ(FormatFloat(pattern, value, FormatSettings::Brazilian()), expected) << pattern;
  EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(FormatFloat("0.00", std::nan("")), "NAN");
  ScopedFormatSettings english(FormatSettings::English());
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1,234.50");  // the current settings
}

// The results are the doubles nearest to the rounded decimals, so they compare
// exactly with the literals. The stored binary value decides, not the literal.
TEST(RoundTo, HalvesToEvenSimpleRoundToHalvesAwayFromZero) {
  struct Case {
    double value;
    int digit;
    double round_to, simple;
  };
  const Case cases[] = {
      {2.5, 0, 2, 3},
      {-3.5, 0, -4, -4},
      {0.125, -2, 0.12, 0.13},  // exact in binary: 12.5 hundredths
      {-0.125, -2, -0.12, -0.13},
      {0.375, -2, 0.38, 0.38},
      {1250, 2, 1200, 1300},  // 12.5 hundreds
      {1234.5678, -2, 1234.57, 1234.57},
      {2.675, -2, 2.67, 2.67},     // stored 2.67499999999999982236...: below the half
      {1.005, -2, 1.0, 1.0},       // stored 1.00499999999999989341...: below the half
      {0.135, -2, 0.14, 0.14},     // stored 0.13500000000000000888...: above the half
      {-0.005, -2, -0.01, -0.01},  // stored -0.00500000000000000010...
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundTo(c.value, c.digit), c.round_to) << c.value << " at " << c.digit;
    EXPECT_EQ(SimpleRoundTo(c.value, c.digit), c.simple) << c.value << " at " << c.digit;
  }
  EXPECT_EQ(SimpleRoundTo(1234.5678), 1234.57);  // two decimals by default
  EXPECT_EQ(RoundTo(1e300, -2), 1e300);          // beyond the scale: as it is
  EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), -2)));
}

TEST(Round, HalvesToEvenTruncTowardZeroAndRangeErrors) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-3.5), -4);
  EXPECT_EQ(Round(4503599627370497.0), 4503599627370497LL);  // 2^52 + 1, already whole
  EXPECT_THROW(Round(1e19), Error);                          // above 2^63 - 1
  EXPECT_THROW(Round(std::nan("")), Error);
  EXPECT_EQ(Trunc(-9223372036854775808.0), std::numeric_limits<int64_t>::min());
  EXPECT_VEICULO_ERROR(Trunc(1e19), ErrorCategory::Validation, "1e+19");
}

}  // namespace
}  // namespace veiculo::platform
