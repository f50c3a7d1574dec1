#pragma once
// A typed, null-aware field value: what a dataset field, a parameter or a
// data-packet cell holds. Conversions between kinds follow the platform's
// field accessors: null reads as 0, 0.0 or empty text; numbers and dates turn
// into text (and back) with the current format settings.

#include <cstdint>
#include <string>
#include <variant>

namespace veiculo {

enum class FieldType { Integer, Float, Text, DateTime, Blob };

// "integer", "float", "text", "datetime", "blob" (the data packet's JSON names).
const char* ToString(FieldType type);
// Throws veiculo::Error (validation) for an unknown name.
FieldType FieldTypeFromString(const std::string& name);

class Value {
 public:
  Value() = default;  // null

  static Value Integer(int64_t v);
  static Value Float(double v);
  static Value Text(std::string v);
  static Value DateTime(double serial);  // days since 30/12/1899, fraction = time of day
  static Value Blob(std::string bytes);
  static Value Null() { return Value(); }

  bool IsNull() const { return data_.index() == 0; }
  // The kind of the held value; Text for null.
  FieldType type() const;

  // Null gives 0; a float is rounded to the nearest integer (halves to even);
  // text is parsed (throws veiculo::Error when it is not a number).
  int64_t AsInteger() const;
  // Null gives 0; text is parsed in the current local form.
  double AsFloat() const;
  // Null gives ""; numbers and date-times are rendered in the current local form.
  std::string AsText() const;
  // Null gives 0 (no date); text is parsed as a local date or date-time.
  double AsDateTime() const;
  bool AsBoolean() const;

  // Same kind and same value (null equals null).
  bool operator==(const Value& other) const;

 private:
  struct DateTimeSerial {
    double serial;
    bool operator==(const DateTimeSerial&) const = default;
  };
  struct BlobBytes {
    std::string bytes;
    bool operator==(const BlobBytes&) const = default;
  };
  std::variant<std::monostate, int64_t, double, std::string, DateTimeSerial, BlobBytes> data_;
};

}  // namespace veiculo
