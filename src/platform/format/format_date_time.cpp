// Date-time text by pattern, and the local date/time text built on it.
#include <cctype>
#include <cstdio>

#include "platform/format/convert.h"

namespace veiculo::platform {
namespace {

// The settings carry no names; the module's names are the Brazilian ones.
const char* const kShortMonths[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                    "jul", "ago", "set", "out", "nov", "dez"};
const char* const kLongMonths[] = {"janeiro",  "fevereiro", "março",    "abril",
                                   "maio",     "junho",     "julho",    "agosto",
                                   "setembro", "outubro",   "novembro", "dezembro"};
const char* const kShortDays[] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
const char* const kLongDays[] = {"domingo",      "segunda-feira", "terça-feira", "quarta-feira",
                                 "quinta-feira", "sexta-feira",   "sábado"};
const char* const kLongDateFormat = "dddd, d' de 'mmmm' de 'yyyy";
const char* const kShortTimeFormat = "hh:nn";

// Formats that name other formats (c, ddddd, t) go this deep at most, so a
// setting that names itself cannot loop.
constexpr int kMaxNesting = 3;

bool IsQuote(char c) {
  return c == '"' || c == '\'';
}

bool StartsWithNoCase(std::string_view text, size_t pos, std::string_view prefix) {
  if (text.size() - pos < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[pos + i])) != prefix[i]) return false;
  return true;
}

// Whether an am/pm marker follows (outside quotes), which makes h a
// 12-hour clock.
bool TwelveHourClock(std::string_view pattern, size_t pos) {
  while (pos < pattern.size()) {
    if (IsQuote(pattern[pos])) {
      const size_t close = pattern.find(pattern[pos], pos + 1);
      if (close == std::string_view::npos) return false;
      pos = close + 1;
      continue;
    }
    if (StartsWithNoCase(pattern, pos, "am/pm") || StartsWithNoCase(pattern, pos, "a/p") ||
        StartsWithNoCase(pattern, pos, "ampm"))
      return true;
    ++pos;
  }
  return false;
}

class DateTimeWriter {
 public:
  DateTimeWriter(TDateTime value, const FormatSettings& settings)
      : value_(value), settings_(settings), date_(DecodeDate(value)), time_(DecodeTime(value)) {}

  std::string Write(std::string_view pattern) {
    Append(pattern, 0);
    return out_;
  }

 private:
  void Number(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    out_ += text;
  }

  bool HasTime() const {
    return time_.hour != 0 || time_.minute != 0 || time_.second != 0 || time_.millisecond != 0;
  }

  void Append(std::string_view pattern, int depth) {
    if (depth > kMaxNesting) return;
    bool after_hour = false;  // an m right after an h means minutes
    for (size_t i = 0; i < pattern.size();) {
      const char c = pattern[i];
      if (IsQuote(c)) {
        const size_t close = std::min(pattern.find(c, i + 1), pattern.size());
        out_.append(pattern.substr(i + 1, close - i - 1));
        i = close + 1;
        continue;
      }
      if (c == '/') {
        out_ += settings_.date_separator;
        ++i;
        continue;
      }
      if (c == ':') {
        out_ += settings_.time_separator;
        ++i;
        continue;
      }
      if (c == 'a' || c == 'A') {
        i = AmPm(pattern, i);
        continue;
      }
      const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (std::string_view("DMYHNSZTC").find(letter) == std::string_view::npos) {
        out_ += c;
        ++i;
        continue;
      }
      size_t end = i;
      while (end < pattern.size() &&
             std::toupper(static_cast<unsigned char>(pattern[end])) == letter)
        ++end;
      const int count = static_cast<int>(end - i);
      const bool hour = letter == 'H';
      if (hour) {
        int h = time_.hour;
        if (TwelveHourClock(pattern, end)) h = h % 12 == 0 ? 12 : h % 12;
        Number(h, count == 1 ? 1 : 2);
      } else if (letter == 'M' && after_hour && count <= 2) {
        Number(time_.minute, count);
      } else {
        Specifier(letter, count, depth);
      }
      after_hour = hour;
      i = end;
    }
  }

  void Specifier(char letter, int count, int depth) {
    switch (letter) {
      case 'D':
        if (count <= 2)
          Number(date_.day, count);
        else if (count == 3)
          out_ += kShortDays[DayOfWeek(value_) - 1];
        else if (count == 4)
          out_ += kLongDays[DayOfWeek(value_) - 1];
        else if (count == 5)
          Append(settings_.short_date_format, depth + 1);
        else
          Append(kLongDateFormat, depth + 1);
        break;
      case 'M':
        if (count <= 2)
          Number(date_.month, count);
        else if (count == 3)
          out_ += kShortMonths[date_.month - 1];
        else
          out_ += kLongMonths[date_.month - 1];
        break;
      case 'Y':
        if (count <= 2)
          Number(date_.year % 100, 2);
        else
          Number(date_.year, 4);
        break;
      case 'N':
        Number(time_.minute, count == 1 ? 1 : 2);
        break;
      case 'S':
        Number(time_.second, count == 1 ? 1 : 2);
        break;
      case 'Z':
        Number(time_.millisecond, count <= 2 ? 1 : 3);
        break;
      case 'T':
        Append(count == 1 ? kShortTimeFormat : settings_.long_time_format, depth + 1);
        break;
      case 'C':
        Append(settings_.short_date_format, depth + 1);
        if (HasTime()) {
          out_ += ' ';
          Append(settings_.long_time_format, depth + 1);
        }
        break;
      default:
        break;
    }
  }

  // am/pm, a/p (in the case written) and ampm; any other 'a' is a letter.
  size_t AmPm(std::string_view pattern, size_t i) {
    const bool pm = time_.hour >= 12;
    if (StartsWithNoCase(pattern, i, "am/pm")) {
      out_.append(pattern.substr(pm ? i + 3 : i, 2));
      return i + 5;
    }
    if (StartsWithNoCase(pattern, i, "a/p")) {
      out_ += pattern[pm ? i + 2 : i];
      return i + 3;
    }
    if (StartsWithNoCase(pattern, i, "ampm")) {
      out_ += pm ? "PM" : "AM";
      return i + 4;
    }
    out_ += pattern[i];
    return i + 1;
  }

  TDateTime value_;
  const FormatSettings& settings_;
  CivilDate date_;
  TimeOfDay time_;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view pattern, TDateTime value,
                           const FormatSettings& settings) {
  return DateTimeWriter(value, settings).Write(pattern);
}

std::string FormatDateTime(std::string_view pattern, TDateTime value) {
  return FormatDateTime(pattern, value, CurrentFormatSettings());
}

std::string DateToStr(TDateTime value, const FormatSettings& settings) {
  return FormatDateTime(settings.short_date_format, value, settings);
}
std::string TimeToStr(TDateTime value, const FormatSettings& settings) {
  return FormatDateTime(settings.long_time_format, value, settings);
}
std::string DateTimeToStr(TDateTime value, const FormatSettings& settings) {
  return FormatDateTime("c", value, settings);
}

std::string DateToStr(TDateTime value) {
  return DateToStr(value, CurrentFormatSettings());
}
std::string TimeToStr(TDateTime value) {
  return TimeToStr(value, CurrentFormatSettings());
}
std::string DateTimeToStr(TDateTime value) {
  return DateTimeToStr(value, CurrentFormatSettings());
}

}  // namespace veiculo::platform
