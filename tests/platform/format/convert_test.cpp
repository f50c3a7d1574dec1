#include "platform/format/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// 2024-01-31 is day 45322 (see date_time_test); 18:00 is 0.75 of a day.
constexpr double k31Jan2024 = 45322;

template <typename F>
void ExpectValidationError(F&& call, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_EQ(e.message(), message);
  }
}

int ThisYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

TEST(FloatToStr, GeneralFormat) {
  struct Case {
    double value;
    const char* brazilian;
    const char* english;
  };
  const Case cases[] = {
      {1234.5, "1234,5", "1234.5"},
      {0.1 + 0.2, "0,3", "0.3"},  // 0.30000000000000004 has 15 significant digits 0.3
      {5.0, "5", "5"},
      {-2.5, "-2,5", "-2.5"},
      {-0.0, "0", "0"},
      {1e20, "1E20", "1E20"},
      {1e15, "1E15", "1E15"},  // 16 integer digits
      {999999999999999, "999999999999999", "999999999999999"},
      {123456789012345678.0, "1,23456789012346E17", "1.23456789012346E17"},
      {1.0 / 3, "0,333333333333333", "0.333333333333333"},
      {0.0001, "0,0001", "0.0001"},
      {0.00001, "1E-5", "1E-5"},
      {1.5e-7, "1,5E-7", "1.5E-7"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FloatToStr(c.value, FormatSettings::Brazilian()), c.brazilian) << c.value;
    EXPECT_EQ(FloatToStr(c.value, FormatSettings::English()), c.english) << c.value;
  }
  EXPECT_EQ(FloatToStr(std::nan("")), "NAN");
  EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(StrToFloat, AcceptsThePlatformSyntax) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"1234,5", 1234.5}, {" -1,5 ", -1.5}, {"+3", 3},  {"1,5E3", 1500}, {"1e-2", 0.01},
      {",5", 0.5},        {"5,", 5},        {"007", 7}, {"1E-400", 0},   {"-0", 0},
  };
  const FormatSettings br = FormatSettings::Brazilian();
  for (const Case& c : cases) EXPECT_EQ(StrToFloat(c.text, br), c.expected) << c.text;
  EXPECT_EQ(StrToFloat("1234.5", FormatSettings::English()), 1234.5);
  EXPECT_EQ(StrToFloat("-1.5e2", FormatSettings::English()), -150);
}

TEST(StrToFloat, RejectsWithThePlatformMessage) {
  const char* bad[] = {"",    "   ", "abc", "1.234,5", "1,2,3", "1E", "--1",
                       "1 2", "12a", "E5",  ",",       "1E400", "+"};
  const FormatSettings br = FormatSettings::Brazilian();
  for (const char* text : bad)
    ExpectValidationError([&] { StrToFloat(text, br); },
                          "'" + std::string(text) + "' is not a valid floating point value");
  // The English decimal point is not the Brazilian one, and the other way round.
  ExpectValidationError([&] { StrToFloat("1234.5", br); },
                        "'1234.5' is not a valid floating point value");
  ExpectValidationError([&] { StrToFloat("1234,5", FormatSettings::English()); },
                        "'1234,5' is not a valid floating point value");
}

TEST(StrToFloat, DefAndTryVariants) {
  ScopedFormatSettings brazilian(FormatSettings::Brazilian());
  EXPECT_EQ(StrToFloatDef("x", 7.5), 7.5);
  EXPECT_EQ(StrToFloatDef("2,25", 7.5), 2.25);
  double out = 9;
  EXPECT_FALSE(TryStrToFloat("1.5", out));
  EXPECT_EQ(out, 9);  // untouched
  EXPECT_TRUE(TryStrToFloat("1,5", out));
  EXPECT_EQ(out, 1.5);
  ScopedFormatSettings english(FormatSettings::English());
  EXPECT_EQ(StrToFloat("1.5"), 1.5);
}

TEST(StrToInt, ParsesAndRejects) {
  struct Case {
    const char* text;
    int64_t expected;
  };
  const Case cases[] = {
      {"123", 123},
      {" -42", -42},
      {"+7", 7},
      {"$FF", 255},
      {"0x10", 16},
      {"9223372036854775807", std::numeric_limits<int64_t>::max()},
      {"-9223372036854775808", std::numeric_limits<int64_t>::min()},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToInt(c.text), c.expected) << c.text;
  const char* bad[] = {"", "abc", "12 ", "1,5", "1.5", "9223372036854775808", "- 1", "+-1", "$"};
  for (const char* text : bad)
    ExpectValidationError([&] { StrToInt(text); },
                          "'" + std::string(text) + "' is not a valid integer value");
  EXPECT_EQ(StrToIntDef("x", -1), -1);
  int64_t out = 5;
  EXPECT_FALSE(TryStrToInt("5a", out));
  EXPECT_EQ(out, 5);
  EXPECT_EQ(IntToStr(-123), "-123");
  EXPECT_EQ(IntToStr(0), "0");
}

TEST(StrToDate, FollowsTheShortDateOrder) {
  const FormatSettings br = FormatSettings::Brazilian();
  const FormatSettings en = FormatSettings::English();
  EXPECT_EQ(StrToDate("31/01/2024", br), k31Jan2024);
  EXPECT_EQ(StrToDate(" 1/2/2024 ", br), k31Jan2024 + 1);  // 1 February
  EXPECT_EQ(StrToDate("01/31/2024", en), k31Jan2024);
  EXPECT_EQ(StrToDate("31/01/24", br), k31Jan2024);  // two-digit year
  EXPECT_EQ(StrToDate("31/01", br), EncodeDate(ThisYear(), 1, 31));
  FormatSettings iso_order = br;
  iso_order.short_date_format = "yyyy-mm-dd";
  iso_order.date_separator = '-';
  EXPECT_EQ(StrToDate("2024-01-31", iso_order), k31Jan2024);
}

TEST(StrToDate, RejectsWithThePlatformMessage) {
  const FormatSettings br = FormatSettings::Brazilian();
  const char* bad[] = {"",       "32/01/2024", "29/02/2023", "2024-01-31", "31/01/2024 10:00",
                       "31/01/", "31",         "aa/bb/cccc", "31/01/2024x"};
  for (const char* text : bad)
    ExpectValidationError([&] { StrToDate(text, br); },
                          "'" + std::string(text) + "' is not a valid date");
  ExpectValidationError([&] { StrToDate("31/01/2024", FormatSettings::English()); },
                        "'31/01/2024' is not a valid date");
  EXPECT_EQ(StrToDateDef("x", 7, br), 7);
  TDateTime out = 3;
  EXPECT_FALSE(TryStrToDate("30/02/2024", out, br));
  EXPECT_EQ(out, 3);
}

TEST(ExpandTwoDigitYear, HundredYearWindowStartingFiftyYearsBack) {
  struct Case {
    int year, current, expected;
  };
  // Window for 2025: 1975..2074.
  const Case cases[] = {{24, 2025, 2024}, {75, 2025, 1975}, {74, 2025, 2074}, {0, 2025, 2000},
                        {99, 2025, 1999}, {50, 2100, 2050}, {49, 2100, 2149}};
  for (const Case& c : cases)
    EXPECT_EQ(ExpandTwoDigitYear(c.year, c.current), c.expected) << c.year << " in " << c.current;
}

TEST(StrToDateTime, DateWithOptionalTime) {
  const FormatSettings br = FormatSettings::Brazilian();
  EXPECT_EQ(StrToDateTime("31/01/2024", br), k31Jan2024);
  EXPECT_EQ(StrToDateTime("31/01/2024 18:00", br), k31Jan2024 + 0.75);
  // 18:00:30 = 64830 s of 86400.
  EXPECT_DOUBLE_EQ(StrToDateTime("31/01/2024 18:00:30", br), k31Jan2024 + 64830.0 / 86400);
  EXPECT_EQ(StrToDateTime("31/01/2024 06:00 PM", br), k31Jan2024 + 0.75);
  EXPECT_EQ(StrToDateTime("18:00", br), 0.75);  // a time alone
  EXPECT_EQ(StrToDateTime("01/31/2024 06:00", FormatSettings::English()), k31Jan2024 + 0.25);
  const char* bad[] = {"31/01/2024 25:00", "31/01/2024 18", "31/01/2024 18:00 x", "x"};
  for (const char* text : bad)
    ExpectValidationError([&] { StrToDateTime(text, br); },
                          "'" + std::string(text) + "' is not a valid date and time");
  EXPECT_EQ(StrToDateTimeDef("x", 1.5, br), 1.5);
}

// Before 1899-12-30 the serial is negative and the time of day still counts
// forward from midnight: 29/12/1899 06:00 is day -1 and a quarter, -1.25.
TEST(StrToDateTime, TimeOfDayBeforeDayZero) {
  const FormatSettings br = FormatSettings::Brazilian();
  EXPECT_EQ(StrToDateTime("29/12/1899 06:00", br), -1.25);
  EXPECT_EQ(DateTimeToStr(-1.25, br), "29/12/1899 06:00:00");
  EXPECT_EQ(IsoToDateTime("1899-12-29T06:00:00"), -1.25);
  EXPECT_EQ(DateTimeToIso(-1.25), "1899-12-29T06:00:00");
}

TEST(StrToTime, Forms) {
  const FormatSettings br = FormatSettings::Brazilian();
  EXPECT_EQ(StrToTime("18:00", br), 0.75);
  EXPECT_EQ(StrToTime("06:00:00 PM", br), 0.75);
  EXPECT_EQ(StrToTime("6 pm", br), 0.75);
  EXPECT_EQ(StrToTime("12:00 AM", br), 0);
  // 10:20:30 and 250 ms = 37230250 ms of 86400000.
  EXPECT_DOUBLE_EQ(StrToTime("10:20:30,250", br), 37230250.0 / 86400000);
  const char* bad[] = {"18", "24:00", "10:60", "13 PM", "10:20:30,1000", ""};
  for (const char* text : bad)
    ExpectValidationError([&] { StrToTime(text, br); },
                          "'" + std::string(text) + "' is not a valid time");
  EXPECT_EQ(StrToTimeDef("x", 0.5, br), 0.5);
}

TEST(DateToStr, LocalTextAndRoundTrips) {
  const FormatSettings br = FormatSettings::Brazilian();
  const FormatSettings en = FormatSettings::English();
  EXPECT_EQ(DateToStr(k31Jan2024, br), "31/01/2024");
  EXPECT_EQ(DateToStr(k31Jan2024 + 0.75, br), "31/01/2024");
  EXPECT_EQ(DateToStr(k31Jan2024, en), "01/31/2024");
  EXPECT_EQ(TimeToStr(0.75, br), "18:00:00");
  EXPECT_EQ(DateTimeToStr(k31Jan2024, br), "31/01/2024");  // midnight: no time
  EXPECT_EQ(DateTimeToStr(k31Jan2024 + 0.75, br), "31/01/2024 18:00:00");
  EXPECT_EQ(DateTimeToStr(k31Jan2024 + 0.75, en), "01/31/2024 18:00:00");
  EXPECT_EQ(DateToStr(StrToDate("05/03/2024", br), br), "05/03/2024");
  EXPECT_EQ(DateTimeToStr(StrToDateTime("05/03/2024 07:08:09", br), br), "05/03/2024 07:08:09");
  const TDateTime t = EncodeDateTime(1999, 12, 31, 23, 59, 58);
  EXPECT_EQ(StrToDateTime(DateTimeToStr(t, en), en), t);
  ScopedFormatSettings english(en);
  EXPECT_EQ(DateToStr(k31Jan2024), "01/31/2024");
}

TEST(FormatDateTime, Specifiers) {
  const FormatSettings br = FormatSettings::Brazilian();
  // 2024-01-05 is 26 days before 2024-01-31: day 45296, a Friday.
  const TDateTime t = EncodeDateTime(2024, 1, 5, 8, 7, 9, 45);
  struct Case {
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {"dd/mm/yyyy hh:nn:ss", "05/01/2024 08:07:09"},
      {"d/m/yy h:n:s", "5/1/24 8:7:9"},
      {"zzz", "045"},
      {"z", "45"},
      {"yyyymmdd", "20240105"},
      {"hh:mm", "08:07"},  // mm right after hh is minutes
      {"mm/yyyy", "01/2024"},
      {"'dia' dd", "dia 05"},
      {"\"hh\" hh", "hh 08"},
      {"mmm mmmm", "jan janeiro"},
      {"ddd dddd", "sex sexta-feira"},
      {"ddddd", "05/01/2024"},
      {"c", "05/01/2024 08:07:09"},
      {"t", "08:07"},
      {"h am/pm", "8 am"},
      {"Ref. dd", "Ref. 05"},  // letters that are not specifiers stay
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, t, br), c.expected) << c.pattern;
  const TDateTime evening = EncodeDateTime(2024, 1, 5, 20, 30, 0);
  EXPECT_EQ(FormatDateTime("hh:nn AM/PM", evening, br), "08:30 PM");
  EXPECT_EQ(FormatDateTime("h a/p", evening, br), "8 p");
  EXPECT_EQ(FormatDateTime("hh:nn", evening, br), "20:30");
  FormatSettings other = br;
  other.date_separator = '-';
  other.time_separator = '.';
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", t, other), "05-01-2024 08.07");
}

TEST(Iso, WritesAndReads) {
  EXPECT_EQ(DateTimeToIso(k31Jan2024), "2024-01-31T00:00:00");
  EXPECT_EQ(DateTimeToIso(k31Jan2024 + 0.75), "2024-01-31T18:00:00");
  EXPECT_EQ(DateTimeToIso(EncodeDateTime(2024, 1, 31, 18, 0, 0, 5)), "2024-01-31T18:00:00.005");
  EXPECT_EQ(IsoToDateTime("2024-01-31"), k31Jan2024);
  EXPECT_EQ(IsoToDateTime("2024-01-31T18:00:00"), k31Jan2024 + 0.75);
  EXPECT_EQ(IsoToDateTime("2024-01-31 18:00:00"), k31Jan2024 + 0.75);
  // 18:00:00.5 = 64800500 ms of 86400000.
  EXPECT_DOUBLE_EQ(IsoToDateTime("2024-01-31 18:00:00.5"), k31Jan2024 + 64800500.0 / 86400000);
  const TDateTime t = EncodeDateTime(2001, 2, 3, 4, 5, 6, 789);
  EXPECT_EQ(DateTimeToIso(IsoToDateTime(DateTimeToIso(t))), "2001-02-03T04:05:06.789");
  const char* bad[] = {"",
                       "2024-1-31",
                       "2024-02-30",
                       "31/01/2024",
                       "2024-01-31T18:00",
                       "2024-01-31X18:00:00",
                       "2024-01-31T18:00:00.",
                       "2024-01-31 ",
                       "2024-01-31T24:00:00"};
  for (const char* text : bad)
    ExpectValidationError([&] { IsoToDateTime(text); },
                          "'" + std::string(text) + "' is not a valid ISO date-time");
}

}  // namespace
}  // namespace veiculo::platform
