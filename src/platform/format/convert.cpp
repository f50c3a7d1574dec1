// Numbers to text and back (the date conversions are in convert_date.cpp).
#include "platform/format/convert.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/format/decimal_digits.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// Significant digits of the general format.
constexpr int kGeneralPrecision = 15;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

[[noreturn]] void ThrowInvalid(std::string_view text, const char* what) {
  throw Error(ErrorCategory::Validation, "'" + std::string(text) + "' is not a valid " + what);
}

// Reads the platform's float syntax into a canonical "-123.45e6" that
// std::from_chars takes; false when the text is not a number.
bool Canonical(std::string_view text, char decimal_separator, std::string& out) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  out.clear();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out += '-';
    ++i;
  }
  int digits = 0;
  for (; i < n && IsDigit(text[i]); ++i, ++digits) out += text[i];
  if (i < n && text[i] == decimal_separator) {
    out += '.';
    for (++i; i < n && IsDigit(text[i]); ++i, ++digits) out += text[i];
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    out += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) out += text[i++];
    int exponent_digits = 0;
    for (; i < n && IsDigit(text[i]); ++i, ++exponent_digits) out += text[i];
    if (exponent_digits == 0) return false;
  }
  while (i < n && IsBlank(text[i])) ++i;
  return i == n;
}

}  // namespace

std::string FloatToStr(double value, const FormatSettings& settings) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  const DecimalDigits number = ToDecimal(value, kGeneralPrecision);
  if (number.IsZero()) return "0";
  std::string text = number.negative ? "-" : "";
  if (number.exponent > kGeneralPrecision || number.exponent < -3) {
    // d[,ddd]E[-]x: one digit before the point, exponent without padding.
    text += number.digits[0];
    if (number.digits.size() > 1) text += settings.decimal_separator + number.digits.substr(1);
    return text + "E" + std::to_string(number.exponent - 1);
  }
  std::string integer_part, fraction_part;
  SplitAtPoint(number, number.exponent, integer_part, fraction_part);
  text += integer_part.empty() ? "0" : integer_part;
  if (!fraction_part.empty()) text += settings.decimal_separator + fraction_part;
  return text;
}

std::string FloatToStr(double value) {
  return FloatToStr(value, CurrentFormatSettings());
}

bool TryStrToFloat(std::string_view text, double& out, const FormatSettings& settings) {
  std::string canonical;
  if (!Canonical(text, settings.decimal_separator, canonical)) return false;
  double value = 0;
  const char* end = canonical.data() + canonical.size();
  const auto [ptr, ec] = std::from_chars(canonical.data(), end, value);
  if (ptr != end) return false;
  if (ec == std::errc::result_out_of_range) {
    // Too small to represent reads as zero; too large is not a value.
    const size_t e = canonical.find('e');
    if (e == std::string::npos || canonical[e + 1] != '-') return false;
    value = 0;
  } else if (ec != std::errc()) {
    return false;
  }
  out = value;
  return true;
}

bool TryStrToFloat(std::string_view text, double& out) {
  return TryStrToFloat(text, out, CurrentFormatSettings());
}

double StrToFloat(std::string_view text, const FormatSettings& settings) {
  double value = 0;
  if (!TryStrToFloat(text, value, settings)) ThrowInvalid(text, "floating point value");
  return value;
}

double StrToFloat(std::string_view text) {
  return StrToFloat(text, CurrentFormatSettings());
}

double StrToFloatDef(std::string_view text, double default_value, const FormatSettings& settings) {
  double value = 0;
  return TryStrToFloat(text, value, settings) ? value : default_value;
}

double StrToFloatDef(std::string_view text, double default_value) {
  return StrToFloatDef(text, default_value, CurrentFormatSettings());
}

bool TryStrToInt(std::string_view text, int64_t& out) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  // Parsed as the magnitude so that the most negative value fits.
  uint64_t magnitude = 0;
  const char* begin = text.data() + i;
  const char* end = text.data() + text.size();
  if (begin == end || *begin == '+' || *begin == '-') return false;
  const auto [ptr, ec] = std::from_chars(begin, end, magnitude, base);
  if (ec != std::errc() || ptr != end) return false;
  const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + negative;
  if (magnitude > limit) return false;
  out = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

int64_t StrToInt(std::string_view text) {
  int64_t value = 0;
  if (!TryStrToInt(text, value)) ThrowInvalid(text, "integer value");
  return value;
}

int64_t StrToIntDef(std::string_view text, int64_t default_value) {
  int64_t value = 0;
  return TryStrToInt(text, value) ? value : default_value;
}

std::string IntToStr(int64_t value) {
  return std::to_string(value);
}

}  // namespace veiculo::platform
