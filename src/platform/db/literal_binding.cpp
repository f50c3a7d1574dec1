#include "platform/db/literal_binding.h"

#include <cstdlib>
#include <string>

#include "platform/format/date_time.h"

namespace veiculo::platform {
namespace {

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// An exact number "[-]digits[.digits]" that fits `scale` decimals and `bytes`
// of storage, written without trailing fraction zeros; nothing otherwise.
std::optional<std::string> ExactNumber(std::string_view text, int scale, int bytes) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  std::string_view whole = text, fraction;
  if (const size_t dot = text.find('.'); dot != std::string_view::npos) {
    whole = text.substr(0, dot);
    fraction = text.substr(dot + 1);
  }
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  if (whole.empty()) whole = "0";
  if (!AllDigits(whole) || (!fraction.empty() && !AllDigits(fraction))) return std::nullopt;
  if (static_cast<int>(fraction.size()) > scale) return std::nullopt;
  if (whole.size() + static_cast<size_t>(scale) > 19) return std::nullopt;
  // The stored integer: the number times 10^scale.
  unsigned __int128 stored = 0;
  for (char c : whole) stored = stored * 10 + static_cast<unsigned>(c - '0');
  for (int i = 0; i < scale; ++i)
    stored = stored * 10 + (i < static_cast<int>(fraction.size())
                                ? static_cast<unsigned>(fraction[static_cast<size_t>(i)] - '0')
                                : 0u);
  const unsigned __int128 limit = bytes == 2   ? 32767u
                                  : bytes == 4 ? 2147483647u
                                               : 9223372036854775807ull;
  if (stored > limit) return std::nullopt;
  std::string out = negative ? "-" : "";
  out.append(whole);
  if (!fraction.empty()) out.append(".").append(fraction);
  return out;
}

size_t CodePoints(std::string_view text) {
  size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

// "YYYY-MM-DD" or, with `time`, also "YYYY-MM-DD HH:MM:SS", of a real day
// and time.
bool DateText(std::string_view text, bool time) {
  auto number = [&](size_t at, size_t length) {
    int value = 0;
    for (size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  auto shape = [&](std::string_view pattern) {
    if (text.size() != pattern.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
      if (pattern[i] == '9' ? text[i] < '0' || text[i] > '9' : text[i] != pattern[i]) return false;
    return true;
  };
  const bool date_only = shape("9999-99-99");
  if (!date_only && !(time && shape("9999-99-99 99:99:99"))) return false;
  double serial = 0;
  if (!TryEncodeDate(number(0, 4), number(5, 2), number(8, 2), serial)) return false;
  return date_only || (number(11, 2) < 24 && number(14, 2) < 60 && number(17, 2) < 60);
}

}  // namespace

std::optional<Value> LiteralValue(const SqlLiteral& literal, const ParameterType& type) {
  const bool number = literal.kind == SqlLiteral::Kind::Number;
  switch (type.kind) {
    case ParameterType::Kind::Exact: {
      // A quoted whole number reads as the number; a quoted fraction may be
      // rounded differently, so it stays.
      if (!number && !AllDigits(literal.value)) return std::nullopt;
      const auto exact = ExactNumber(literal.value, type.scale, type.bytes);
      if (!exact) return std::nullopt;
      return Value::Text(*exact);
    }
    case ParameterType::Kind::Float:
      if (!number) return std::nullopt;
      return Value::Float(std::strtod(literal.value.c_str(), nullptr));
    case ParameterType::Kind::Text:
      if (number || CodePoints(literal.value) > static_cast<size_t>(type.max_chars))
        return std::nullopt;
      return Value::Text(literal.value);
    case ParameterType::Kind::Date:
    case ParameterType::Kind::Timestamp:
      if (number || !DateText(literal.value, type.kind == ParameterType::Kind::Timestamp))
        return std::nullopt;
      return Value::Text(literal.value);
    case ParameterType::Kind::Other:
      break;
  }
  return std::nullopt;
}

}  // namespace veiculo::platform
