#include "operations/typed_value.h"

namespace veiculo::cli {

const char* ToString(ParamType type) {
  switch (type) {
    case ParamType::Integer:
      return "integer";
    case ParamType::Double:
      return "double";
    case ParamType::Text:
      return "text";
    case ParamType::DateTime:
      return "datetime";
    case ParamType::Boolean:
      return "boolean";
    case ParamType::DataPacket:
      return "datapacket";
    case ParamType::Connection:
      return "connection";
    case ParamType::Callback:
      return "callback";
  }
  return "unknown";
}

const char* ToString(Direction direction) {
  switch (direction) {
    case Direction::In:
      return "in";
    case Direction::Var:
      return "var";
    case Direction::Out:
      return "out";
  }
  return "unknown";
}

bool SuppliedByHost(ParamType type) {
  return type == ParamType::Connection || type == ParamType::Callback;
}

TypedValue ZeroValue(ParamType type) {
  switch (type) {
    case ParamType::Integer:
      return int32_t{0};
    case ParamType::Double:
      return 0.0;
    case ParamType::Text:
      return std::string();
    case ParamType::DateTime:
      return DateTimeValue{};
    case ParamType::Boolean:
      return false;
    case ParamType::DataPacket:
      return DataPacket{};
    case ParamType::Connection:
    case ParamType::Callback:
      return std::monostate{};
  }
  return std::monostate{};
}

bool HoldsType(const TypedValue& value, ParamType type) {
  switch (type) {
    case ParamType::Integer:
      return std::holds_alternative<int32_t>(value);
    case ParamType::Double:
      return std::holds_alternative<double>(value);
    case ParamType::Text:
      return std::holds_alternative<std::string>(value);
    case ParamType::DateTime:
      return std::holds_alternative<DateTimeValue>(value);
    case ParamType::Boolean:
      return std::holds_alternative<bool>(value);
    case ParamType::DataPacket:
      return std::holds_alternative<DataPacket>(value);
    case ParamType::Connection:
    case ParamType::Callback:
      return std::holds_alternative<std::monostate>(value);
  }
  return false;
}

}  // namespace veiculo::cli
