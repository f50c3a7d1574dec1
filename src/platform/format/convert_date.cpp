// Local date and time text to day serials, and the ISO form both ways.
#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/format/convert.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// Years of one or two digits are placed in the hundred years that start this
// many years before the current one.
constexpr int kTwoDigitYearCenturyWindow = 50;
constexpr double kMsPerDay = 86'400'000.0;

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

// A day serial keeps the time of day as an unsigned fraction, also before
// 1899-12-30.
TDateTime Combine(TDateTime date, TDateTime time) {
  return date >= 0 ? date + time : date - time;
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // A run of digits after optional blanks; at most 9 digits.
  bool Number(int& value, int& length) {
    SkipBlanks();
    value = 0;
    length = 0;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      if (++length > 9) return false;
      value = value * 10 + (text_[pos_++] - '0');
    }
    return length > 0;
  }

  // The character after optional blanks; consumed only when it matches.
  bool Char(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  // "AM"/"PM" in any case: +1 for PM, -1 for AM, 0 when absent.
  int AmPm() {
    SkipBlanks();
    if (pos_ + 1 < text_.size() && Upper(text_[pos_ + 1]) == 'M') {
      const char c = Upper(text_[pos_]);
      if (c == 'A' || c == 'P') {
        pos_ += 2;
        return c == 'P' ? 1 : -1;
      }
    }
    return 0;
  }

  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The order in which short_date_format names the day, month and year.
DateOrder OrderOf(const std::string& short_date_format) {
  for (char c : short_date_format) {
    switch (Upper(c)) {
      case 'D':
        return DateOrder::DayMonthYear;
      case 'M':
        return DateOrder::MonthDayYear;
      case 'Y':
        return DateOrder::YearMonthDay;
      default:
        break;
    }
  }
  return DateOrder::MonthDayYear;
}

bool ScanDate(Scanner& scanner, const FormatSettings& settings, TDateTime& out) {
  int n1, n2, n3, l1, l2, l3;
  if (!scanner.Number(n1, l1) || !scanner.Char(settings.date_separator) || !scanner.Number(n2, l2))
    return false;
  const DateOrder order = OrderOf(settings.short_date_format);
  int year = 0, month = 0, day = 0, year_length = 4;
  if (scanner.Char(settings.date_separator)) {
    if (!scanner.Number(n3, l3)) return false;
    switch (order) {
      case DateOrder::DayMonthYear:
        day = n1, month = n2, year = n3, year_length = l3;
        break;
      case DateOrder::MonthDayYear:
        month = n1, day = n2, year = n3, year_length = l3;
        break;
      case DateOrder::YearMonthDay:
        year = n1, year_length = l1, month = n2, day = n3;
        break;
    }
  } else {
    // Day and month only: this year.
    year = CurrentYear();
    year_length = 4;
    if (order == DateOrder::DayMonthYear)
      day = n1, month = n2;
    else
      month = n1, day = n2;
  }
  if (year_length <= 2) year = ExpandTwoDigitYear(year, CurrentYear());
  return TryEncodeDate(year, month, day, out);
}

bool ScanTime(Scanner& scanner, const FormatSettings& settings, TDateTime& out) {
  int hour, minute = 0, second = 0, millisecond = 0, length;
  if (!scanner.Number(hour, length)) return false;
  bool separated = false;
  if (scanner.Char(settings.time_separator)) {
    separated = true;
    if (!scanner.Number(minute, length)) return false;
    if (scanner.Char(settings.time_separator)) {
      if (!scanner.Number(second, length)) return false;
      // The number after the decimal separator counts milliseconds, as the
      // platform reads it ("10:20:30,250").
      if (scanner.Char(settings.decimal_separator) && !scanner.Number(millisecond, length))
        return false;
    }
  }
  const int am_pm = scanner.AmPm();
  if (am_pm != 0) {
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (am_pm > 0 ? 12 : 0);
  } else if (!separated) {
    return false;  // a lone number is not a time
  }
  return TryEncodeTime(hour, minute, second, millisecond, out);
}

[[noreturn]] void ThrowInvalid(std::string_view text, const char* what) {
  throw Error(ErrorCategory::Validation, "'" + std::string(text) + "' is not a valid " + what);
}

// Reads exactly `count` digits.
bool Digits(std::string_view text, size_t& pos, int count, int& value) {
  value = 0;
  for (int i = 0; i < count; ++i, ++pos) {
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return false;
    value = value * 10 + (text[pos] - '0');
  }
  return true;
}

bool Expect(std::string_view text, size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

bool TryIsoToDateTime(std::string_view text, TDateTime& out) {
  size_t pos = 0;
  int year, month, day, hour, minute, second;
  TDateTime date;
  if (!Digits(text, pos, 4, year) || !Expect(text, pos, '-') || !Digits(text, pos, 2, month) ||
      !Expect(text, pos, '-') || !Digits(text, pos, 2, day) ||
      !TryEncodeDate(year, month, day, date))
    return false;
  if (pos == text.size()) {
    out = date;
    return true;
  }
  if (text[pos] != 'T' && text[pos] != ' ') return false;
  ++pos;
  TDateTime time;
  if (!Digits(text, pos, 2, hour) || !Expect(text, pos, ':') || !Digits(text, pos, 2, minute) ||
      !Expect(text, pos, ':') || !Digits(text, pos, 2, second) ||
      !TryEncodeTime(hour, minute, second, 0, time))
    return false;
  double fraction = 0;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    double scale = 0.1;
    const size_t start = pos;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, scale /= 10)
      fraction += (text[pos] - '0') * scale;
    if (pos == start || pos - start > 9) return false;
  }
  if (pos != text.size()) return false;
  const double ms = ((hour * 60.0 + minute) * 60 + second) * 1000 + std::round(fraction * 1000);
  out = Combine(date, ms / kMsPerDay);
  return true;
}

}  // namespace

int ExpandTwoDigitYear(int year, int current_year) {
  const int window_start = current_year - kTwoDigitYearCenturyWindow;
  year += window_start / 100 * 100;
  if (year < window_start) year += 100;
  return year;
}

bool TryStrToDate(std::string_view text, TDateTime& out, const FormatSettings& settings) {
  Scanner scanner(text);
  TDateTime date;
  if (!ScanDate(scanner, settings, date) || !scanner.AtEnd()) return false;
  out = date;
  return true;
}

bool TryStrToTime(std::string_view text, TDateTime& out, const FormatSettings& settings) {
  Scanner scanner(text);
  TDateTime time;
  if (!ScanTime(scanner, settings, time) || !scanner.AtEnd()) return false;
  out = time;
  return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& out, const FormatSettings& settings) {
  Scanner scanner(text);
  TDateTime date, time = 0;
  if (ScanDate(scanner, settings, date) &&
      (scanner.AtEnd() || (ScanTime(scanner, settings, time) && scanner.AtEnd()))) {
    out = Combine(date, time);
    return true;
  }
  return TryStrToTime(text, out, settings);  // a time alone is a time on day 0
}

bool TryStrToDate(std::string_view text, TDateTime& out) {
  return TryStrToDate(text, out, CurrentFormatSettings());
}
bool TryStrToTime(std::string_view text, TDateTime& out) {
  return TryStrToTime(text, out, CurrentFormatSettings());
}
bool TryStrToDateTime(std::string_view text, TDateTime& out) {
  return TryStrToDateTime(text, out, CurrentFormatSettings());
}

TDateTime StrToDate(std::string_view text, const FormatSettings& settings) {
  TDateTime value;
  if (!TryStrToDate(text, value, settings)) ThrowInvalid(text, "date");
  return value;
}
TDateTime StrToTime(std::string_view text, const FormatSettings& settings) {
  TDateTime value;
  if (!TryStrToTime(text, value, settings)) ThrowInvalid(text, "time");
  return value;
}
TDateTime StrToDateTime(std::string_view text, const FormatSettings& settings) {
  TDateTime value;
  if (!TryStrToDateTime(text, value, settings)) ThrowInvalid(text, "date and time");
  return value;
}

TDateTime StrToDate(std::string_view text) {
  return StrToDate(text, CurrentFormatSettings());
}
TDateTime StrToTime(std::string_view text) {
  return StrToTime(text, CurrentFormatSettings());
}
TDateTime StrToDateTime(std::string_view text) {
  return StrToDateTime(text, CurrentFormatSettings());
}

TDateTime StrToDateDef(std::string_view text, TDateTime default_value,
                       const FormatSettings& settings) {
  TryStrToDate(text, default_value, settings);
  return default_value;
}
TDateTime StrToTimeDef(std::string_view text, TDateTime default_value,
                       const FormatSettings& settings) {
  TryStrToTime(text, default_value, settings);
  return default_value;
}
TDateTime StrToDateTimeDef(std::string_view text, TDateTime default_value,
                           const FormatSettings& settings) {
  TryStrToDateTime(text, default_value, settings);
  return default_value;
}

TDateTime StrToDateDef(std::string_view text, TDateTime default_value) {
  return StrToDateDef(text, default_value, CurrentFormatSettings());
}
TDateTime StrToTimeDef(std::string_view text, TDateTime default_value) {
  return StrToTimeDef(text, default_value, CurrentFormatSettings());
}
TDateTime StrToDateTimeDef(std::string_view text, TDateTime default_value) {
  return StrToDateTimeDef(text, default_value, CurrentFormatSettings());
}

std::string DateTimeToIso(TDateTime value) {
  const CivilDate date = DecodeDate(value);
  const TimeOfDay time = DecodeTime(value);
  char text[40];
  int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", date.year,
                             date.month, date.day, time.hour, time.minute, time.second);
  if (time.millisecond != 0)
    std::snprintf(text + length, sizeof text - length, ".%03d", time.millisecond);
  return text;
}

TDateTime IsoToDateTime(std::string_view text) {
  TDateTime value;
  if (!TryIsoToDateTime(text, value)) ThrowInvalid(text, "ISO date-time");
  return value;
}

}  // namespace veiculo::platform
