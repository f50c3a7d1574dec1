#include "platform/format/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

struct Case {
  double value;
  int digit;
  double expected;
};

// The results are the doubles nearest to the rounded decimals, so they compare
// exactly with the literals.
TEST(RoundTo, HalvesGoToTheEvenNeighbour) {
  const Case cases[] = {
      {2.5, 0, 2},          {3.5, 0, 4},
      {-2.5, 0, -2},        {-3.5, 0, -4},
      {2.4999, 0, 2},       {0.125, -2, 0.12},  // exact in binary: 12.5 hundredths -> 12
      {0.375, -2, 0.38},                        // exact: 37.5 -> 38
      {-0.125, -2, -0.12},  {1250, 2, 1200},    // 12.5 hundreds -> 12
      {1350, 2, 1400},      {1234.5678, -2, 1234.57},
      {1234.5678, 0, 1235}, {0, -2, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RoundTo(c.value, c.digit), c.expected) << c.value << " at " << c.digit;
}

// The decimal literal is not what is stored; the stored binary value decides.
TEST(RoundTo, TheBinaryValueDecides) {
  const Case cases[] = {
      // 2.67499999999999982236431605997495353221893310546875: below the half.
      {2.675, -2, 2.67},
      // 1.00499999999999989341858963598497211933135986328125: below the half.
      {1.005, -2, 1.0},
      // 0.1350000000000000088817841970012523233890533447265625: above the half.
      {0.135, -2, 0.14},
      // 0.3850000000000000088817841970012523233890533447265625: above the half.
      {0.385, -2, 0.39},
      // -0.005000000000000000104083408558608425664715468883514404296875
      {-0.005, -2, -0.01},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RoundTo(c.value, c.digit), c.expected) << c.value << " at " << c.digit;
}

TEST(SimpleRoundTo, HalvesGoAwayFromZero) {
  const Case cases[] = {
      {0.125, -2, 0.13}, {-0.125, -2, -0.13}, {2.5, 0, 3}, {-2.5, 0, -3},
      {0.135, -2, 0.14}, {2.675, -2, 2.67},  // stored below the half, as for RoundTo
      {1.005, -2, 1.0},  {1250, 2, 1300},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SimpleRoundTo(c.value, c.digit), c.expected) << c.value << " at " << c.digit;
  EXPECT_EQ(SimpleRoundTo(1234.5678), 1234.57);  // two decimals by default
}

TEST(RoundTo, ValuesBeyondTheScaleStayAsTheyAre) {
  EXPECT_EQ(RoundTo(1e300, -2), 1e300);
  EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), -2)));
  EXPECT_EQ(RoundTo(std::numeric_limits<double>::infinity(), -2),
            std::numeric_limits<double>::infinity());
}

TEST(Round, HalvesToEvenAndRangeErrors) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-3.5), -4);
  EXPECT_EQ(Round(2.51), 3);
  EXPECT_EQ(Round(-0.4), 0);
  EXPECT_EQ(Round(4503599627370497.0), 4503599627370497LL);  // 2^52 + 1, already whole
  EXPECT_THROW(Round(1e19), Error);                          // above 2^63 - 1
  EXPECT_THROW(Round(std::nan("")), Error);
  EXPECT_THROW(Round(std::numeric_limits<double>::infinity()), Error);
}

TEST(Trunc, TowardZero) {
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(45322.75), 45322);
  EXPECT_EQ(Trunc(-9223372036854775808.0), std::numeric_limits<int64_t>::min());
  try {
    Trunc(1e19);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_NE(e.message().find("1e+19"), std::string::npos) << e.message();
  }
}

}  // namespace
}  // namespace veiculo::platform
