#include "module/maker_utils/number_utils.h"

#include <charconv>
#include <cmath>

#include "platform/format/format_float.h"
#include "platform/format/format_settings.h"
#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

double ParseSqlNumber(const std::string& text) {
  double value = 0;
  const char* last = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), last, value);
  if (ec != std::errc() || ptr != last)
    throw Error(ErrorCategory::Validation, "'" + text + "' is not a valid floating point value");
  return value;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits of a local number in "[-]digits[.digits]" form; false when the
// text is not one.
bool Normalize(const std::string& t, const platform::FormatSettings& fs, std::string& out) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
    if (t[i] == '-') out += '-';
    ++i;
  }
  // Integer part: digits, grouped by three when thousands separators appear.
  size_t group = 0, digits = 0;
  bool grouped = false;
  for (; i < t.size() && t[i] != fs.decimal_separator; ++i) {
    if (IsDigit(t[i])) {
      out += t[i];
      ++group;
      ++digits;
    } else if (t[i] == fs.thousand_separator && fs.thousand_separator != '\0') {
      if (group == 0 || group > 3 || (grouped && group != 3)) return false;
      grouped = true;
      group = 0;
    } else {
      return false;
    }
  }
  if (grouped && group != 3) return false;
  if (i < t.size()) {  // decimal separator
    out += '.';
    for (++i; i < t.size(); ++i) {
      if (!IsDigit(t[i])) return false;
      out += t[i];
      ++digits;
    }
  }
  return digits > 0;
}

}  // namespace

double RoundToBrel(double value, int places) {
  if (places < -15 || places > 0)
    throw Error(ErrorCategory::Validation,
                "RoundToBrel: places " + std::to_string(places) + " outside -15..0");
  if (!std::isfinite(value)) return value;
  const std::string pattern = places == 0 ? "0" : "0." + std::string(-places, '0');
  return ParseSqlNumber(platform::FormatFloat(pattern, value, platform::SqlFormatSettings()));
}

double StrToReal(const std::string& text) {
  const size_t b = text.find_first_not_of(" \t");
  if (b == std::string::npos) return 0;
  const std::string t = text.substr(b, text.find_last_not_of(" \t") - b + 1);
  std::string normalized;
  if (!Normalize(t, platform::CurrentFormatSettings(), normalized))
    throw Error(ErrorCategory::Validation, "'" + text + "' is not a valid floating point value");
  return ParseSqlNumber(normalized);
}

}  // namespace veiculo::maker
