// Field values and their conversions, as the platform's field accessors
// convert: numbers and dates to and from local text with the current format
// settings.
#include "veiculo/value.h"

#include <cctype>

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
  switch (data_.index()) {
    case 1:
      return FieldType::Integer;
    case 2:
      return FieldType::Float;
    case 4:
      return FieldType::DateTime;
    case 5:
      return FieldType::Blob;
    default:
      return FieldType::Text;
  }
}

int64_t Value::AsInteger() const {
  switch (data_.index()) {
    case 0:
      return 0;
    case 1:
      return std::get<int64_t>(data_);
    case 2:
      return platform::Round(std::get<double>(data_));
    case 3:
      return platform::StrToInt(std::get<std::string>(data_));
    case 4:
      return platform::Trunc(std::get<DateTimeSerial>(data_).serial);
    default:
      ThrowBlobAs("an integer");
  }
}

double Value::AsFloat() const {
  switch (data_.index()) {
    case 0:
      return 0;
    case 1:
      return static_cast<double>(std::get<int64_t>(data_));
    case 2:
      return std::get<double>(data_);
    case 3:
      return platform::StrToFloat(std::get<std::string>(data_));
    case 4:
      return std::get<DateTimeSerial>(data_).serial;
    default:
      ThrowBlobAs("a number");
  }
}

std::string Value::AsText() const {
  switch (data_.index()) {
    case 0:
      return "";
    case 1:
      return platform::IntToStr(std::get<int64_t>(data_));
    case 2:
      return platform::FloatToStr(std::get<double>(data_));
    case 3:
      return std::get<std::string>(data_);
    case 4:
      return platform::DateTimeToStr(std::get<DateTimeSerial>(data_).serial);
    default:
      return std::get<BlobBytes>(data_).bytes;
  }
}

double Value::AsDateTime() const {
  switch (data_.index()) {
    case 0:
      return 0;
    case 1:
      return static_cast<double>(std::get<int64_t>(data_));
    case 2:
      return std::get<double>(data_);
    case 3:
      return platform::StrToDateTime(std::get<std::string>(data_));
    case 4:
      return std::get<DateTimeSerial>(data_).serial;
    default:
      ThrowBlobAs("a date");
  }
}

// Numbers and dates are true when not 0; text is true when it reads "T",
// "TRUE", "S" (sim) or "1" in any case, and false otherwise.
bool Value::AsBoolean() const {
  switch (data_.index()) {
    case 0:
      return false;
    case 1:
      return std::get<int64_t>(data_) != 0;
    case 2:
      return std::get<double>(data_) != 0;
    case 3: {
      const std::string& text = std::get<std::string>(data_);
      return EqualsNoCase(text, "T") || EqualsNoCase(text, "TRUE") || EqualsNoCase(text, "S") ||
             text == "1";
    }
    case 4:
      return std::get<DateTimeSerial>(data_).serial != 0;
    default:
      ThrowBlobAs("a boolean");
  }
}

bool Value::operator==(const Value& other) const {
  return data_ == other.data_;
}

}  // namespace veiculo
