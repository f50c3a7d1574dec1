#pragma once
// Text <-> number and text <-> date-time conversions with the local format
// settings, as the platform's FloatToStr/StrToFloat/StrToDate family does.
// Each function without a FormatSettings argument uses CurrentFormatSettings().
//
// Parsing functions throw veiculo::Error (Validation) with the platform's own
// messages, quoting the text as given:
//   "'<text>' is not a valid floating point value"
//   "'<text>' is not a valid integer value"
//   "'<text>' is not a valid date" / "... valid date and time" / "... valid time"
// The Def variants return the default instead and the Try variants return
// false (leaving the output untouched).

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/format/date_time.h"
#include "platform/format/format_settings.h"

namespace veiculo::platform {

// --- numbers ---------------------------------------------------------------

// General format: 15 significant digits, no thousands grouping, no trailing
// zeros ("1234,5", "0,3" for 0.1 + 0.2, "5" for 5.0); scientific ("1E20",
// "1,5E-5") when the value has more than 15 integer digits or is below 0.0001.
std::string FloatToStr(double value);
std::string FloatToStr(double value, const FormatSettings& settings);

// Accepts blanks around the number, a sign, digits with the settings' decimal
// separator and an exponent ("1,5E3"). Thousand separators are not accepted.
double StrToFloat(std::string_view text);
double StrToFloat(std::string_view text, const FormatSettings& settings);
double StrToFloatDef(std::string_view text, double default_value);
double StrToFloatDef(std::string_view text, double default_value, const FormatSettings& settings);
bool TryStrToFloat(std::string_view text, double& out);
bool TryStrToFloat(std::string_view text, double& out, const FormatSettings& settings);

// Decimal digits with an optional sign and leading blanks; "$FF" and "0xFF"
// are hexadecimal. No trailing characters, no decimal point.
int64_t StrToInt(std::string_view text);
int64_t StrToIntDef(std::string_view text, int64_t default_value);
bool TryStrToInt(std::string_view text, int64_t& out);
std::string IntToStr(int64_t value);

// --- dates and times ---------------------------------------------------------

// Dates: two or three numbers separated by the date separator, in the order of
// short_date_format (day/month/year for "dd/mm/yyyy"). Without a year, the
// current year. A year of one or two digits is placed in the hundred-year
// window that starts 50 years before the current year (see ExpandTwoDigitYear).
TDateTime StrToDate(std::string_view text);
TDateTime StrToDate(std::string_view text, const FormatSettings& settings);
TDateTime StrToDateDef(std::string_view text, TDateTime default_value);
TDateTime StrToDateDef(std::string_view text, TDateTime default_value,
                       const FormatSettings& settings);
bool TryStrToDate(std::string_view text, TDateTime& out);
bool TryStrToDate(std::string_view text, TDateTime& out, const FormatSettings& settings);

// Times: "h:n", "h:n:s" or "h:n:s<decimal separator>zzz" with the time
// separator, optionally followed by "AM"/"PM" (then also "h AM").
TDateTime StrToTime(std::string_view text);
TDateTime StrToTime(std::string_view text, const FormatSettings& settings);
TDateTime StrToTimeDef(std::string_view text, TDateTime default_value);
TDateTime StrToTimeDef(std::string_view text, TDateTime default_value,
                       const FormatSettings& settings);
bool TryStrToTime(std::string_view text, TDateTime& out);
bool TryStrToTime(std::string_view text, TDateTime& out, const FormatSettings& settings);

// A date, a date followed by a time ("31/01/2024 14:30[:15]"), or a time alone.
TDateTime StrToDateTime(std::string_view text);
TDateTime StrToDateTime(std::string_view text, const FormatSettings& settings);
TDateTime StrToDateTimeDef(std::string_view text, TDateTime default_value);
TDateTime StrToDateTimeDef(std::string_view text, TDateTime default_value,
                           const FormatSettings& settings);
bool TryStrToDateTime(std::string_view text, TDateTime& out);
bool TryStrToDateTime(std::string_view text, TDateTime& out, const FormatSettings& settings);

// A two-digit year placed in the window [current_year - 50, current_year + 49]:
// with current_year 2025, 24 -> 2024, 75 -> 1975, 74 -> 2074.
int ExpandTwoDigitYear(int year, int current_year);

// short_date_format; long_time_format; DateTimeToStr writes the date and,
// unless the time is exactly midnight, a blank and the time.
std::string DateToStr(TDateTime value);
std::string DateToStr(TDateTime value, const FormatSettings& settings);
std::string TimeToStr(TDateTime value);
std::string TimeToStr(TDateTime value, const FormatSettings& settings);
std::string DateTimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value, const FormatSettings& settings);

// Date-time text by pattern: d dd m mm yy yyyy h hh n nn s ss z zzz (an m or
// mm right after an h is minutes), "/" -> date separator, ":" -> time
// separator, "xx" or 'xx' literal, am/pm and a/p (12-hour clock), c (date and
// time as DateTimeToStr), ddddd (short date), t/tt (short/long time).
// mmm/mmmm and ddd/dddd write the Brazilian month and weekday names (the
// settings carry no names). Other characters are copied as they stand.
std::string FormatDateTime(std::string_view pattern, TDateTime value);
std::string FormatDateTime(std::string_view pattern, TDateTime value,
                           const FormatSettings& settings);

// --- ISO text (data packet JSON, SQL literals) ---------------------------------

// "2024-01-31T00:00:00", with ".mmm" appended only when the milliseconds are
// not 0.
std::string DateTimeToIso(TDateTime value);
// Accepts "YYYY-MM-DD", "YYYY-MM-DDTHH:MM:SS" and "YYYY-MM-DD HH:MM:SS", the
// latter two with an optional fraction of a second (".f" to ".fffffffff",
// rounded to the millisecond). Throws veiculo::Error (Validation)
// "'<text>' is not a valid ISO date-time".
TDateTime IsoToDateTime(std::string_view text);

}  // namespace veiculo::platform
