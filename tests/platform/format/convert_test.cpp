#include "platform/format/convert.h"
#include "support/expect_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <functional>
#include <limits>
#include <tuple>

#include "platform/format/date_time.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// 2024-01-31 is day 45322 (see date_time_test); 18:00 is 0.75 of a day.
constexpr double k31Jan2024 = 45322;

// Every text in `bad` fails `parse` with the validation error "'<text>' <suffix>".
void ExpectRejected(std::initializer_list<const char*> bad,
                    const std::function<void(const std::string&)>& parse, const char* suffix) {
  for (const char* text : bad) {
    EXPECT_VEICULO_ERROR(parse(text), ErrorCategory::Validation,
                         "'" + std::string(text) + "' " + suffix);
  }
}

TEST(FloatToStr, FifteenSignificantDigits) {
  const std::tuple<double, const char*, const char*> cases[] = {
      // value, Brazilian, English
      {0.1 + 0.2, "0,3", "0.3"},  // 0.30000000000000004 has 15 significant digits 0.3
      {-0.0, "0", "0"},
      {1e15, "1E15", "1E15"},  // 16 integer digits
      {999999999999999, "999999999999999", "999999999999999"},
      {123456789012345678.0, "1,23456789012346E17", "1.23456789012346E17"},
      {1.5e-7, "1,5E-7", "1.5E-7"},
  };
  for (const auto& [value, brazilian, english] : cases) {
    EXPECT_EQ(FloatToStr(value, FormatSettings::Brazilian()), brazilian) << value;
    EXPECT_EQ(FloatToStr(value, FormatSettings::English()), english) << value;
  }
  EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(StrToFloat, AcceptsThePlatformSyntaxAndRejectsTheRest) {
  const std::pair<const char*, double> good[] = {{" -1,5 ", -1.5}, {"+3", 3}, {"1,5E3", 1500},
                                                 {",5", 0.5},      {"5,", 5}, {"1E-400", 0}};
  const FormatSettings br = FormatSettings::Brazilian();
  for (const auto& [text, expected] : good) EXPECT_EQ(StrToFloat(text, br), expected) << text;
  EXPECT_EQ(StrToFloat("-1.5e2", FormatSettings::English()), -150);
  // "1234.5": the English decimal point is not the Brazilian one.
  ExpectRejected(
      {"", "   ", "1.234,5", "1,2,3", "1E", "--1", "1 2", "E5", "1E400", "+", "1234.5"},
      [&](const std::string& t) { StrToFloat(t, br); }, "is not a valid floating point value");
  ExpectRejected(
      {"1234,5"}, [](const std::string& t) { StrToFloat(t, FormatSettings::English()); },
      "is not a valid floating point value");
}

TEST(StrToInt, ParsesAndRejects) {
  const std::pair<const char*, int64_t> good[] = {
      {" -42", -42},
      {"$FF", 255},
      {"0x10", 16},
      {"-9223372036854775808", std::numeric_limits<int64_t>::min()}};
  for (const auto& [text, expected] : good) EXPECT_EQ(StrToInt(text), expected) << text;
  ExpectRejected(
      {"", "12 ", "1,5", "9223372036854775808", "- 1", "+-1", "$"},
      [](const std::string& t) { StrToInt(t); }, "is not a valid integer value");
}

TEST(StrToDate, FollowsTheShortDateOrder) {
  const FormatSettings br = FormatSettings::Brazilian();
  EXPECT_EQ(StrToDate(" 1/2/2024 ", br), k31Jan2024 + 1);  // 1 February
  EXPECT_EQ(StrToDate("01/31/2024", FormatSettings::English()), k31Jan2024);
  EXPECT_EQ(StrToDate("31/01/24", br), k31Jan2024);  // two-digit year
  // The window for 2025 is 1975..2074; for 2100, 2050..2149.
  EXPECT_EQ(ExpandTwoDigitYear(75, 2025) * 10000 + ExpandTwoDigitYear(74, 2025), 19752074);
  EXPECT_EQ(ExpandTwoDigitYear(49, 2100), 2149);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  EXPECT_EQ(StrToDate("31/01", br), EncodeDate(local.tm_year + 1900, 1, 31));  // this year
  FormatSettings iso_order = br;
  iso_order.short_date_format = "yyyy-mm-dd";
  iso_order.date_separator = '-';
  EXPECT_EQ(StrToDate("2024-01-31", iso_order), k31Jan2024);
  ExpectRejected(
      {"", "29/02/2023", "2024-01-31", "31/01/2024 10:00", "31/01/", "31/01/2024x"},
      [&](const std::string& t) { StrToDate(t, br); }, "is not a valid date");
  TDateTime out = 3;
  EXPECT_FALSE(TryStrToDate("30/02/2024", out, br));
  EXPECT_EQ(out, 3);  // untouched
}

TEST(StrToDateTime, DateWithOptionalTimeAndTimeAlone) {
  const FormatSettings br = FormatSettings::Brazilian();
  // 18:00:30 = 64830 s of 86400.
  EXPECT_DOUBLE_EQ(StrToDateTime("31/01/2024 18:00:30", br), k31Jan2024 + 64830.0 / 86400);
  EXPECT_EQ(StrToDateTime("31/01/2024 06:00 PM", br), k31Jan2024 + 0.75);
  // Before day zero the time of day still counts forward: 29/12/1899 06:00 is -1.25.
  EXPECT_EQ(StrToDateTime("29/12/1899 06:00", br), -1.25);
  EXPECT_EQ(DateTimeToStr(-1.25, br), "29/12/1899 06:00:00");
  EXPECT_EQ(DateTimeToStr(k31Jan2024, br), "31/01/2024");  // midnight: no time
  EXPECT_EQ(DateTimeToStr(k31Jan2024 + 0.75, FormatSettings::English()), "01/31/2024 18:00:00");
  ExpectRejected(
      {"31/01/2024 25:00", "31/01/2024 18", "31/01/2024 18:00 x"},
      [&](const std::string& t) { StrToDateTime(t, br); }, "is not a valid date and time");
  EXPECT_EQ(StrToTime("12:00 AM", br), 0);
  // 10:20:30 and 250 ms = 37230250 ms of 86400000.
  EXPECT_DOUBLE_EQ(StrToTime("10:20:30,250", br), 37230250.0 / 86400000);
  ExpectRejected(
      {"18", "24:00", "10:60", "13 PM", "10:20:30,1000"},
      [&](const std::string& t) { StrToTime(t, br); }, "is not a valid time");
}

TEST(FormatDateTime, Specifiers) {
  const FormatSettings br = FormatSettings::Brazilian();
  // 2024-01-05 is 26 days before 2024-01-31: day 45296, a Friday.
  const TDateTime t = EncodeDateTime(2024, 1, 5, 8, 7, 9, 45);
  const std::pair<const char*, const char*> cases[] = {
      {"d/m/yy h:n:s", "5/1/24 8:7:9"},
      {"hh:mm", "08:07"},  // mm right after hh is minutes
      {"mmm mmmm", "jan janeiro"},
      {"Ref. dd", "Ref. 05"},  // letters that are not specifiers stay
  };
  for (const auto& [pattern, expected] : cases)
    EXPECT_EQ(FormatDateTime(pattern, t, br), expected) << pattern;
  EXPECT_EQ(FormatDateTime("hh:nn AM/PM", EncodeDateTime(2024, 1, 5, 20, 30, 0), br), "08:30 PM");
  FormatSettings other = br;
  other.date_separator = '-';
  other.time_separator = '.';
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", t, other), "05-01-2024 08.07");
}

TEST(Iso, WritesAndReads) {
  EXPECT_EQ(DateTimeToIso(k31Jan2024), "2024-01-31T00:00:00");
  EXPECT_EQ(DateTimeToIso(EncodeDateTime(2024, 1, 31, 18, 0, 0, 5)), "2024-01-31T18:00:00.005");
  EXPECT_EQ(DateTimeToIso(-1.25), "1899-12-29T06:00:00");
  EXPECT_EQ(IsoToDateTime("2024-01-31"), k31Jan2024);
  EXPECT_EQ(IsoToDateTime("2024-01-31 18:00:00"), k31Jan2024 + 0.75);
  // 18:00:00.5 = 64800500 ms of 86400000.
  EXPECT_DOUBLE_EQ(IsoToDateTime("2024-01-31 18:00:00.5"), k31Jan2024 + 64800500.0 / 86400000);
  ExpectRejected(
      {"", "2024-1-31", "2024-02-30", "31/01/2024", "2024-01-31T18:00", "2024-01-31T18:00:00.",
       "2024-01-31 ", "2024-01-31T24:00:00"},
      [](const std::string& t) { IsoToDateTime(t); }, "is not a valid ISO date-time");
}

TEST(DateTime, SerialsOfKnownDatesRoundTrip) {
  struct Case {
    int y, m, d;
    double serial;
  };
  // Serial = days since 1899-12-30: 2000-01-01 is 36526 (100 years * 365 + 24 leap days + 2).
  const Case cases[] = {{1899, 12, 30, 0},
                        {1900, 3, 1, 61},
                        {2000, 2, 29, 36585},
                        {2024, 1, 31, 45322},
                        {1899, 12, 29, -1}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
    const CivilDate back = DecodeDate(c.serial);
    EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, c.y * 10000 + c.m * 100 + c.d);
  }
  EXPECT_DOUBLE_EQ(EncodeDateTime(2024, 1, 31, 18, 0, 0), 45322.75);
  EXPECT_EQ(DecodeTime(EncodeDateTime(2024, 1, 31, 23, 59, 59, 999)).millisecond, 999);
  // Before day zero the time still runs forward from midnight.
  const TDateTime before = EncodeDateTime(1899, 12, 29, 6, 0, 0);
  EXPECT_DOUBLE_EQ(before, -1.25);
  EXPECT_EQ(DecodeTime(before).hour, 6);
  EXPECT_EQ(DecodeDate(before).day, 29);
}

TEST(DateTime, MonthArithmeticClampsTheDayAndDaysAreWhole) {
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(LastDayOfMonth(EncodeDate(2100, 2, 10)), EncodeDate(2100, 2, 28));
  EXPECT_EQ(DaysBetween(EncodeDate(2024, 2, 1), EncodeDate(2024, 3, 1)), 29);
  // 23 hours is not a day.
  EXPECT_EQ(DaysBetween(EncodeDateTime(2024, 2, 1, 1, 0, 0), EncodeDate(2024, 2, 2)), 0);
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 31)), 4);  // a Wednesday
  EXPECT_EQ(DayOfWeek(0), 7);                        // 1899-12-30 was a Saturday
}

}  // namespace
}  // namespace veiculo::platform
