#include "platform/format/date_time.h"

#include <gtest/gtest.h>

#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

TEST(DateTime, SerialsOfKnownDates) {
  struct Case {
    int y, m, d;
    double serial;
  };
  // Serial = days since 1899-12-30: 1900-01-01 is day 2; 2000-01-01 is 36526
  // (100 years * 365 + 24 leap days + 2).
  const Case cases[] = {{1899, 12, 30, 0},     {1899, 12, 31, 1},     {1900, 1, 1, 2},
                        {1900, 3, 1, 61},      {2000, 1, 1, 36526},   {2000, 2, 29, 36585},
                        {2024, 1, 31, 45322},  {1899, 12, 29, -1}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
    const CivilDate back = DecodeDate(c.serial);
    EXPECT_EQ(back.year, c.y);
    EXPECT_EQ(back.month, c.m);
    EXPECT_EQ(back.day, c.d);
  }
}

TEST(DateTime, TimeFractionRoundTrips) {
  const TDateTime t = EncodeDateTime(2024, 1, 31, 18, 0, 0);
  EXPECT_DOUBLE_EQ(t, 45322.75);
  const TimeOfDay tod = DecodeTime(EncodeDateTime(2024, 1, 31, 23, 59, 59, 999));
  EXPECT_EQ(tod.hour, 23);
  EXPECT_EQ(tod.minute, 59);
  EXPECT_EQ(tod.second, 59);
  EXPECT_EQ(tod.millisecond, 999);
  EXPECT_DOUBLE_EQ(DateOf(t), 45322);
  // Before day zero the time still runs forward from midnight.
  const TDateTime before = EncodeDateTime(1899, 12, 29, 6, 0, 0);
  EXPECT_DOUBLE_EQ(before, -1.25);
  EXPECT_EQ(DecodeTime(before).hour, 6);
  EXPECT_EQ(DecodeDate(before).day, 29);
  EXPECT_DOUBLE_EQ(TimeOf(t), 0.75);
}

TEST(DateTime, InvalidDatesThrow) {
  EXPECT_THROW(EncodeDate(2023, 2, 29), Error);
  EXPECT_THROW(EncodeDate(2024, 13, 1), Error);
  EXPECT_THROW(EncodeTime(24, 0, 0), Error);
  TDateTime out = 0;
  EXPECT_TRUE(TryEncodeDate(2024, 2, 29, out));
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, out));  // 1900 is not a leap year
}

TEST(DateTime, MonthArithmeticClampsTheDay) {
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2023, 1, 31)), EncodeDate(2023, 2, 28));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2023, 12, 15)), EncodeDate(2024, 1, 15));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDateTime(2024, 1, 10, 12, 0, 0), 2),
                   EncodeDateTime(2024, 3, 10, 12, 0, 0));
  EXPECT_DOUBLE_EQ(LastDayOfMonth(EncodeDate(2024, 2, 10)), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(LastDayOfMonth(EncodeDate(2100, 2, 10)), EncodeDate(2100, 2, 28));
  EXPECT_DOUBLE_EQ(FirstDayOfMonth(EncodeDate(2024, 2, 10)), EncodeDate(2024, 2, 1));
}

TEST(DateTime, DaysBetweenCountsWholeDays) {
  EXPECT_EQ(DaysBetween(EncodeDate(2024, 3, 1), EncodeDate(2024, 2, 1)), 29);
  EXPECT_EQ(DaysBetween(EncodeDate(2024, 2, 1), EncodeDate(2024, 3, 1)), 29);
  // 23 hours is not a day.
  EXPECT_EQ(DaysBetween(EncodeDateTime(2024, 2, 1, 1, 0, 0), EncodeDate(2024, 2, 2)), 0);
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 31)), 4);  // a Wednesday
  EXPECT_EQ(DayOfWeek(0), 7);                        // 1899-12-30 was a Saturday
}

}  // namespace
}  // namespace veiculo::platform
