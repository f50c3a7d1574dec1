#pragma once
// Short value builders for seeding rows and stating expectations: I(5),
// F(10.5), T("V1"), D(Day(2024, 3, 10)), and the nullable forms that write
// NULL for an absent value.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/format/date_time.h"
#include "veiculo/value.h"

namespace veiculo::testing {

// Day serials, as the module keeps dates.
inline double Day(int year, int month, int day) {
  return platform::EncodeDate(year, month, day);
}
inline double Moment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return platform::EncodeDateTime(year, month, day, hour, minute, second);
}

inline Value I(int64_t v) {
  return Value::Integer(v);
}
inline Value F(double v) {
  return Value::Float(v);
}
inline Value T(const std::string& v) {
  return Value::Text(v);
}
inline Value D(double serial) {
  return Value::DateTime(serial);
}
inline Value Null() {
  return Value::Null();
}
inline Value Money(std::optional<double> amount) {
  return amount ? F(*amount) : Null();
}
inline Value IntOrNull(std::optional<int64_t> v) {
  return v ? I(*v) : Null();
}
inline Value TextOrNull(const std::optional<std::string>& text) {
  return text ? T(*text) : Null();
}

}  // namespace veiculo::testing
