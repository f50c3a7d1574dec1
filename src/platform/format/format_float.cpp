#include "platform/format/format_float.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/format/convert.h"
#include "platform/format/decimal_digits.h"

namespace veiculo::platform {
namespace {

// Significant digits the platform formats a double with.
constexpr int kPrecision = 15;

bool IsQuote(char c) {
  return c == '"' || c == '\'';
}

bool IsExponentMark(std::string_view text, size_t i) {
  return (text[i] == 'E' || text[i] == 'e') && i + 1 < text.size() &&
         (text[i + 1] == '+' || text[i + 1] == '-');
}

// Index just past the quoted text that starts at i (or the end of text when
// the quote is not closed).
size_t SkipQuoted(std::string_view text, size_t i) {
  const size_t close = text.find(text[i], i + 1);
  return close == std::string_view::npos ? text.size() : close + 1;
}

// positive;negative;zero — a ';' inside quotes does not split.
std::vector<std::string_view> SplitSections(std::string_view pattern) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  for (size_t i = 0; i < pattern.size();) {
    if (IsQuote(pattern[i])) {
      i = SkipQuoted(pattern, i);
    } else if (pattern[i] == ';') {
      sections.push_back(pattern.substr(start, i - start));
      start = ++i;
    } else {
      ++i;
    }
  }
  sections.push_back(pattern.substr(start));
  return sections;
}

// What a section asks for, read before anything is written.
struct Layout {
  int digit_count = 0;    // '#' and '0' placeholders
  int decimal_index = 0;  // placeholders before the decimal point
  int integer_min = 0;    // integer digits always written (from the first '0')
  int decimals = 0;       // placeholders after the point
  int decimals_min = 0;   // decimals always written (up to the last '0')
  bool thousands = false;
  bool scientific = false;
};

Layout ScanSection(std::string_view section) {
  Layout layout;
  int decimal_index = -1;
  int first_zero = -1;
  int last_zero = 0;
  for (size_t i = 0; i < section.size();) {
    const char c = section[i];
    if (IsQuote(c)) {
      i = SkipQuoted(section, i);
      continue;
    }
    if (c == '#' || c == '0') {
      if (c == '0') {
        if (first_zero < 0) first_zero = layout.digit_count;
        last_zero = layout.digit_count + 1;
      }
      ++layout.digit_count;
    } else if (c == '.') {
      if (decimal_index < 0) decimal_index = layout.digit_count;
    } else if (c == ',') {
      layout.thousands = true;
    } else if (IsExponentMark(section, i)) {
      layout.scientific = true;
      i += 2;  // the exponent's own '0's are not digit placeholders
      while (i < section.size() && section[i] == '0') ++i;
      continue;
    }
    ++i;
  }
  layout.decimal_index = decimal_index < 0 ? layout.digit_count : decimal_index;
  layout.integer_min = first_zero < 0 ? 0 : std::max(layout.decimal_index - first_zero, 0);
  layout.decimals = layout.digit_count - layout.decimal_index;
  layout.decimals_min = std::max(last_zero - layout.decimal_index, 0);
  return layout;
}

// The number's digits as a section will place them.
struct Parts {
  bool minus = false;
  std::string integer;   // left-padded with '0' to integer_min
  std::string fraction;  // between decimals_min and decimals digits
  int exponent = 0;      // scientific only
};

Parts MakeParts(DecimalDigits number, const Layout& layout) {
  Parts parts;
  int point = number.exponent;
  if (layout.scientific) {
    RoundToSignificant(number, std::clamp(layout.digit_count, 1, kPrecision));
    point = layout.decimal_index;
    if (!number.IsZero()) parts.exponent = number.exponent - layout.decimal_index;
  } else {
    RoundToDecimals(number, layout.decimals);
    point = number.exponent;
  }
  SplitAtPoint(number, point, parts.integer, parts.fraction);
  if (static_cast<int>(parts.integer.size()) < layout.integer_min)
    parts.integer.insert(0, layout.integer_min - parts.integer.size(), '0');
  if (static_cast<int>(parts.fraction.size()) < layout.decimals_min)
    parts.fraction.append(layout.decimals_min - parts.fraction.size(), '0');
  parts.minus = number.negative && !number.IsZero();
  return parts;
}

class SectionWriter {
 public:
  SectionWriter(const Layout& layout, const Parts& parts, const FormatSettings& settings)
      : layout_(layout), parts_(parts), settings_(settings), place_(layout.decimal_index) {}

  std::string Write(std::string_view section, bool with_minus) {
    if (with_minus) out_ += '-';
    for (size_t i = 0; i < section.size();) {
      const char c = section[i];
      if (IsQuote(c)) {
        // Quoted text is copied without its quotes (to the end when unclosed).
        const size_t close = std::min(section.find(c, i + 1), section.size());
        out_.append(section.substr(i + 1, close - i - 1));
        i = close + 1;
      } else if (c == '#' || c == '0') {
        Placeholder();
        ++i;
      } else if (c == '.' || c == ',') {
        ++i;  // the point and grouping are written with the digits
      } else if (layout_.scientific && IsExponentMark(section, i)) {
        i = Exponent(section, i);
      } else {
        out_ += c;
        ++i;
      }
    }
    return out_;
  }

 private:
  // Integer digit at `place` (1 = units), with a group separator after it
  // when more groups follow.
  void IntegerDigit(int place) {
    const int width = static_cast<int>(parts_.integer.size());
    out_ += parts_.integer[width - place];
    if (layout_.thousands && place > 1 && (place - 1) % 3 == 0 &&
        settings_.thousand_separator != '\0')
      out_ += settings_.thousand_separator;
  }

  void Placeholder() {
    const int width = static_cast<int>(parts_.integer.size());
    if (first_) {
      // Digits beyond the pattern's integer placeholders all go at the first one.
      for (int place = width; place > std::max(place_, 0); --place) IntegerDigit(place);
      first_ = false;
    }
    if (place_ > 0) {
      if (place_ <= width) IntegerDigit(place_);
      --place_;
      return;
    }
    if (decimal_ < static_cast<int>(parts_.fraction.size())) {
      if (decimal_ == 0) out_ += settings_.decimal_separator;
      out_ += parts_.fraction[decimal_];
    }
    ++decimal_;
  }

  // "E+00": the mark, the sign ('+' always shows one, '-' only for negative
  // exponents) and at least as many digits as there are '0's (at most 4).
  size_t Exponent(std::string_view section, size_t i) {
    out_ += section[i];
    const bool always_sign = section[i + 1] == '+';
    i += 2;
    int zeros = 0;
    while (i < section.size() && section[i] == '0') ++zeros, ++i;
    if (parts_.exponent < 0)
      out_ += '-';
    else if (always_sign)
      out_ += '+';
    std::string digits = std::to_string(std::abs(parts_.exponent));
    const int min_digits = std::min(zeros, 4);
    if (static_cast<int>(digits.size()) < min_digits)
      digits.insert(0, min_digits - digits.size(), '0');
    out_ += digits;
    return i;
  }

  const Layout& layout_;
  const Parts& parts_;
  const FormatSettings& settings_;
  std::string out_;
  int place_;  // place of the next integer placeholder; <= 0 once past the point
  int decimal_ = 0;
  bool first_ = true;
};

}  // namespace

std::string FormatFloat(std::string_view pattern, double value, const FormatSettings& settings) {
  if (pattern.empty() || !std::isfinite(value)) return FloatToStr(value, settings);
  const std::vector<std::string_view> sections = SplitSections(pattern);
  auto usable = [&](size_t index) { return index < sections.size() && !sections[index].empty(); };

  const DecimalDigits number = ToDecimal(value, kPrecision);
  size_t index = number.IsZero() ? 2 : number.negative ? 1 : 0;
  if (!usable(index)) index = 0;
  Layout layout = ScanSection(sections[index]);
  Parts parts = MakeParts(number, layout);
  if (parts.integer.find_first_not_of('0') == std::string::npos &&
      parts.fraction.find_first_not_of('0') == std::string::npos && index != 2) {
    // Rounded to zero: the zero section if there is one, else the positive
    // one (where the value may still show digits, then with its sign).
    index = usable(2) ? 2 : 0;
    layout = ScanSection(sections[index]);
    parts = MakeParts(number, layout);
  }
  SectionWriter writer(layout, parts, settings);
  return writer.Write(sections[index], parts.minus && index == 0);
}

std::string FormatFloat(std::string_view pattern, double value) {
  return FormatFloat(pattern, value, CurrentFormatSettings());
}

FormatSettings SqlFormatSettings() {
  FormatSettings settings;
  settings.decimal_separator = '.';
  settings.thousand_separator = '\0';
  settings.date_separator = '-';
  settings.short_date_format = "yyyy-mm-dd";
  settings.long_time_format = "hh:nn:ss";
  return settings;
}

}  // namespace veiculo::platform
