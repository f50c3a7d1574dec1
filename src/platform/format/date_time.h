#pragma once
// Date-times as the dealer system counts them: a day serial (double) whose
// integer part is the number of days since 30 December 1899 and whose fraction
// is the time of day. Serial 0 is the platform's "no date". Computations such
// as "whole days between" and "fraction of a day" work on this number directly.

#include <cstdint>

namespace veiculo::platform {

using TDateTime = double;

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Throws veiculo::Error (validation) when the date or time does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond = 0);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond = 0);
// Same as EncodeDate without throwing: false when the date does not exist.
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result);

CivilDate DecodeDate(TDateTime value);
// Rounded to the millisecond.
TimeOfDay DecodeTime(TDateTime value);

int YearOf(TDateTime value);
int MonthOf(TDateTime value);
int DayOf(TDateTime value);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);

// The date part (midnight) and the time part (fraction) of a date-time.
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);

// Whole days between two date-times, whatever their order; a span a
// millisecond short of a day still counts as a whole day.
int DaysBetween(TDateTime a, TDateTime b);
// Adds days; keeps the time of day.
TDateTime IncDay(TDateTime value, int days = 1);
// Adds months, clamping the day to the length of the target month
// (31 January + 1 month = 28 or 29 February); keeps the time of day.
TDateTime IncMonth(TDateTime value, int months = 1);
// The current local date and time of the system clock.
TDateTime Now();
// The last day of the month of the given date (a date without time).
TDateTime LastDayOfMonth(TDateTime value);
// The first day of the month of the given date.
TDateTime FirstDayOfMonth(TDateTime value);

}  // namespace veiculo::platform
