// Field values and their conversions, as the platform's field accessors
// convert: numbers and dates to and from local text with the current format
// settings.
#include "veiculo/value.h"

#include <cctype>
#include <variant>

#include "platform/format/convert.h"
#include "platform/format/rounding.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

bool EqualsNoCase(const std::string& text, const char* word) {
  size_t i = 0;
  for (; i < text.size() && word[i] != '\0'; ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) != word[i]) return false;
  return i == text.size() && word[i] == '\0';
}

// One lambda per alternative of the held value, so every kind is handled by name.
template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
// Spelled out for compilers without C++20's deduction for aggregates (clang 14).
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

[[noreturn]] void ThrowBlobAs(const char* kind) {
  throw Error(ErrorCategory::Validation, std::string("a blob value cannot be read as ") + kind);
}

}  // namespace

const char* ToString(FieldType type) {
  switch (type) {
    case FieldType::Integer:
      return "integer";
    case FieldType::Float:
      return "float";
    case FieldType::Text:
      return "text";
    case FieldType::DateTime:
      return "datetime";
    case FieldType::Blob:
      return "blob";
  }
  return "text";
}

FieldType FieldTypeFromString(const std::string& name) {
  for (FieldType type : {FieldType::Integer, FieldType::Float, FieldType::Text, FieldType::DateTime,
                         FieldType::Blob})
    if (name == ToString(type)) return type;
  throw Error(ErrorCategory::Validation, "unknown field type '" + name + "'");
}

Value Value::Integer(int64_t v) {
  Value value;
  value.data_ = v;
  return value;
}

Value Value::Float(double v) {
  Value value;
  value.data_ = v;
  return value;
}

Value Value::Text(std::string v) {
  Value value;
  value.data_ = std::move(v);
  return value;
}

Value Value::DateTime(double serial) {
  Value value;
  value.data_ = DateTimeSerial{serial};
  return value;
}

Value Value::Blob(std::string bytes) {
  Value value;
  value.data_ = BlobBytes{std::move(bytes)};
  return value;
}

FieldType Value::type() const {
  return std::visit(Overloaded{[](std::monostate) { return FieldType::Text; },
                               [](int64_t) { return FieldType::Integer; },
                               [](double) { return FieldType::Float; },
                               [](const std::string&) { return FieldType::Text; },
                               [](const DateTimeSerial&) { return FieldType::DateTime; },
                               [](const BlobBytes&) { return FieldType::Blob; }},
                    data_);
}

int64_t Value::AsInteger() const {
  return std::visit(
      Overloaded{[](std::monostate) -> int64_t { return 0; }, [](int64_t v) { return v; },
                 [](double v) -> int64_t { return platform::Round(v); },
                 [](const std::string& v) -> int64_t { return platform::StrToInt(v); },
                 [](const DateTimeSerial& v) -> int64_t { return platform::Trunc(v.serial); },
                 [](const BlobBytes&) -> int64_t { ThrowBlobAs("an integer"); }},
      data_);
}

double Value::AsFloat() const {
  return std::visit(
      Overloaded{[](std::monostate) { return 0.0; },
                 [](int64_t v) { return static_cast<double>(v); }, [](double v) { return v; },
                 [](const std::string& v) { return platform::StrToFloat(v); },
                 [](const DateTimeSerial& v) { return v.serial; },
                 [](const BlobBytes&) -> double { ThrowBlobAs("a number"); }},
      data_);
}

std::string Value::AsText() const {
  return std::visit(
      Overloaded{[](std::monostate) { return std::string(); },
                 [](int64_t v) { return platform::IntToStr(v); },
                 [](double v) { return platform::FloatToStr(v); },
                 [](const std::string& v) { return v; },
                 [](const DateTimeSerial& v) { return platform::DateTimeToStr(v.serial); },
                 [](const BlobBytes& v) { return v.bytes; }},
      data_);
}

double Value::AsDateTime() const {
  return std::visit(
      Overloaded{[](std::monostate) { return 0.0; },
                 [](int64_t v) { return static_cast<double>(v); }, [](double v) { return v; },
                 [](const std::string& v) { return platform::StrToDateTime(v); },
                 [](const DateTimeSerial& v) { return v.serial; },
                 [](const BlobBytes&) -> double { ThrowBlobAs("a date"); }},
      data_);
}

// Numbers and dates are true when not 0; text is true when it reads "T",
// "TRUE", "S" (sim) or "1" in any case, and false otherwise.
bool Value::AsBoolean() const {
  return std::visit(Overloaded{[](std::monostate) { return false; },
                               [](int64_t v) { return v != 0; }, [](double v) { return v != 0; },
                               [](const std::string& text) {
                                 return EqualsNoCase(text, "T") || EqualsNoCase(text, "TRUE") ||
                                        EqualsNoCase(text, "S") || text == "1";
                               },
                               [](const DateTimeSerial& v) { return v.serial != 0; },
                               [](const BlobBytes&) -> bool { ThrowBlobAs("a boolean"); }},
                    data_);
}

bool Value::operator==(const Value& other) const {
  return data_ == other.data_;
}

}  // namespace veiculo
