#include "platform/format/date_time.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <cstdlib>
#include <string>

#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

constexpr int64_t kMsPerDay = 86'400'000;

// Days from 1970-01-01 to a civil date (proleptic Gregorian), after
// Howard Hinnant's days_from_civil.
constexpr int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01; a compile-time constant, so that dates
// encoded during static initialisation are right too.
constexpr int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);
static_assert(kEpochOffset == -25569);

// Whole day number of a serial: the integer part, toward zero, as the platform
// keeps the time of day as an unsigned fraction even before 1899-12-30.
int64_t DayNumber(TDateTime value) {
  // A time a hair below midnight (from floating arithmetic) belongs to the next day.
  const double rounded = std::round(value * kMsPerDay) / kMsPerDay;
  return static_cast<int64_t>(std::trunc(rounded));
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return false;
  result = static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999)
    return false;
  const int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  result = static_cast<double>(ms) / kMsPerDay;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime result;
  if (!TryEncodeDate(year, month, day, result))
    throw Error(ErrorCategory::Validation, "invalid date: year " + std::to_string(year) +
                                               ", month " + std::to_string(month) + ", day " +
                                               std::to_string(day));
  return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime result;
  if (!TryEncodeTime(hour, minute, second, millisecond, result))
    throw Error(ErrorCategory::Validation,
                "invalid time: " + std::to_string(hour) + ":" + std::to_string(minute) + ":" +
                    std::to_string(second) + "." + std::to_string(millisecond));
  return result;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
  const TDateTime date = EncodeDate(year, month, day);
  const TDateTime time = EncodeTime(hour, minute, second, millisecond);
  // Before 1899-12-30 the serial is negative and the time of day still counts
  // forward from midnight: -1.25 is 29/12/1899 06:00.
  return date >= 0 ? date + time : date - time;
}

CivilDate DecodeDate(TDateTime value) { return CivilFromDays(DayNumber(value) + kEpochOffset); }

TimeOfDay DecodeTime(TDateTime value) {
  int64_t ms = std::llround(std::fabs(value) * kMsPerDay) % kMsPerDay;
  TimeOfDay t;
  t.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  t.second = static_cast<int>(ms % 60);
  ms /= 60;
  t.minute = static_cast<int>(ms % 60);
  t.hour = static_cast<int>(ms / 60);
  return t;
}

int YearOf(TDateTime value) { return DecodeDate(value).year; }
int MonthOf(TDateTime value) { return DecodeDate(value).month; }
int DayOf(TDateTime value) { return DecodeDate(value).day; }

int DayOfWeek(TDateTime value) {
  // 1899-12-30 was a Saturday (7).
  int64_t n = (DayNumber(value) + 6) % 7;
  if (n < 0) n += 7;
  return static_cast<int>(n) + 1;
}

TDateTime DateOf(TDateTime value) { return static_cast<double>(DayNumber(value)); }

TDateTime TimeOf(TDateTime value) {
  const TimeOfDay t = DecodeTime(value);
  return EncodeTime(t.hour, t.minute, t.second, t.millisecond);
}

int DaysBetween(TDateTime a, TDateTime b) {
  // Half a millisecond of tolerance so that floating noise does not lose a day.
  return static_cast<int>(std::trunc(std::fabs(a - b) + 0.5 / kMsPerDay));
}

TDateTime IncDay(TDateTime value, int days) { return value + days; }

TDateTime IncMonth(TDateTime value, int months) {
  const CivilDate d = DecodeDate(value);
  int total = d.year * 12 + (d.month - 1) + months;
  const int year = total / 12;
  const int month = total % 12 + 1;
  const int day = d.day > DaysInMonth(year, month) ? DaysInMonth(year, month) : d.day;
  const TDateTime date = EncodeDate(year, month, day);
  return date >= 0 ? date + TimeOf(value) : date - TimeOf(value);
}

TDateTime Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const int ms = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec, ms);
}

TDateTime LastDayOfMonth(TDateTime value) {
  const CivilDate d = DecodeDate(value);
  return EncodeDate(d.year, d.month, DaysInMonth(d.year, d.month));
}

TDateTime FirstDayOfMonth(TDateTime value) {
  const CivilDate d = DecodeDate(value);
  return EncodeDate(d.year, d.month, 1);
}

}  // namespace veiculo::platform
