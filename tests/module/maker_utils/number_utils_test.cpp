#include "module/maker_utils/number_utils.h"

#include <gtest/gtest.h>

#include <cmath>

#include "module/maker_utils/date_utils.h"
#include "platform/format/format_settings.h"
#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

TEST(RoundToBrel, HalvesGoAwayFromZeroAsTheAmountPrints) {
  struct Case {
    double value;
    int places;
    double rounded;
  };
  const Case cases[] = {
      {2.675, -2, 2.68},  // binary 2.67499999... but prints 2.675
      {1.005, -2, 1.01},
      {0.125, -2, 0.13},
      {-0.125, -2, -0.13},
      {10.0 / 3, -2, 3.33},
      {2.0 / 3, -2, 0.67},
      {123456.789, -2, 123456.79},
      {1234.5678, -2, 1234.57},
      {0.004, -2, 0.0},
      {-0.004, -2, 0.0},
      {2.5, 0, 3.0},
      {-2.5, 0, -3.0},
      {0.0005, -3, 0.001},
      // 1000 * ((1 + 2/100)^(1/30))^45 - 1000: (1.02)^1.5 = 1.030149..., interest 30.149...
      {1000 * std::pow(std::pow(1.02, 1.0 / 30), 45) - 1000, -2, 30.15},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(RoundToBrel(c.value, c.places), c.rounded) << c.value << " " << c.places;
  EXPECT_TRUE(std::isnan(RoundToBrel(std::nan(""), -2)));
  EXPECT_THROW(RoundToBrel(1.0, 1), Error);
  EXPECT_THROW(RoundToBrel(1.0, -16), Error);
}

TEST(StrToReal, ReadsLocalNumbersWithThousands) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"1.234,56", 1234.56},
      {"1.234.567,8", 1234567.8},
      {"-0,5", -0.5},
      {"12", 12},
      {",5", 0.5},
      {" 7,25 ", 7.25},
      {"", 0},
      {"   ", 0},
      {"+3", 3},
      {"999,", 999},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(StrToReal(c.text), c.value) << c.text;
}

TEST(StrToReal, RefusesWhatIsNotALocalNumber) {
  // "1234.56" under Brazilian settings would be 123456 if the point were just
  // dropped; it is refused instead.
  for (const char* text :
       {"1234.56", "1.23,4", "12.3456", ".123", "abc", "1,2,3", "1 000", "-", ",", "1e5"}) {
    try {
      StrToReal(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const Error& e) {
      EXPECT_EQ(e.category(), ErrorCategory::Validation);
      EXPECT_NE(e.message().find(std::string("'") + text + "'"), std::string::npos);
    }
  }
}

TEST(StrToReal, FollowsTheCurrentSettings) {
  platform::ScopedFormatSettings english(platform::FormatSettings::English());
  EXPECT_DOUBLE_EQ(StrToReal("1,234.56"), 1234.56);
  EXPECT_THROW(StrToReal("1.234,56"), Error);
}

TEST(UltimoDia, LastDayOfTheMonth) {
  using platform::EncodeDate;
  struct Case {
    const char* text;
    double last;
  };
  const Case cases[] = {
      {"10/02/2024", EncodeDate(2024, 2, 29)},  // leap year
      {"10/02/2023", EncodeDate(2023, 2, 28)},
      {"29/02/2000", EncodeDate(2000, 2, 29)},  // divisible by 400: leap
      {"01/02/1900", EncodeDate(1900, 2, 28)},  // divisible by 100 only: not leap
      {"15/12/2023", EncodeDate(2023, 12, 31)},
      {"01/04/2024", EncodeDate(2024, 4, 30)},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(UltimoDia(c.text), c.last) << c.text;
  EXPECT_THROW(UltimoDia("31/02/2024"), Error);
  EXPECT_THROW(UltimoDia("fevereiro"), Error);
}

}  // namespace
}  // namespace veiculo::maker
