// The data packet's JSON form. Cells are written by the field's type and read
// back by it, so that a round trip keeps types and nulls: a float that happens
// to be integral is still a float, a date-time travels as ISO text and a blob
// as base64.

#include "veiculo/data_packet.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "platform/db/base64.h"
#include "platform/format/convert.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using Json = nlohmann::json;
// Output keeps the field order, as a reader expects a table.
using OrderedJson = nlohmann::ordered_json;

[[noreturn]] void Fail(const std::string& problem) {
  throw Error(ErrorCategory::Validation, "data packet: " + problem);
}

std::string Where(size_t row, const FieldDef& field) {
  return "rows[" + std::to_string(row) + "]." + field.name;
}

OrderedJson CellToJson(const Value& cell, const FieldDef& field, size_t row) {
  if (cell.IsNull()) return nullptr;
  const FieldType held = cell.type();
  // An integer in a float field is the one lossless mismatch; anything else
  // would be written as a type the reader does not expect.
  const bool fits =
      held == field.type || (held == FieldType::Integer && field.type == FieldType::Float);
  if (!fits) {
    Fail(Where(row, field) + ": value of type " + ToString(held) + " in a field of type " +
         ToString(field.type));
  }
  switch (field.type) {
    case FieldType::Integer:
      return cell.AsInteger();
    case FieldType::Float: {
      const double number = cell.AsFloat();
      // JSON has no NaN or infinity; nlohmann would write null and lose the type.
      if (!std::isfinite(number)) Fail(Where(row, field) + ": not a finite number");
      return number;
    }
    case FieldType::Text:
      return cell.AsText();
    case FieldType::DateTime:
      return platform::DateTimeToIso(cell.AsDateTime());
    case FieldType::Blob:
      return platform::Base64Encode(cell.AsText());
  }
  return nullptr;
}

const char* KindName(const Json& json) {
  switch (json.type()) {
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
      return "an integer";
    case Json::value_t::number_float:
      return "a float";
    case Json::value_t::string:
      return "text";
    case Json::value_t::boolean:
      return "a boolean";
    case Json::value_t::array:
      return "an array";
    case Json::value_t::object:
      return "an object";
    default:
      return "null";
  }
}

Value CellFromJson(const Json& json, const FieldDef& field, size_t row) {
  if (json.is_null()) return Value::Null();
  auto wrong_kind = [&](const char* expected) {
    Fail(Where(row, field) + ": expected " + expected + ", found " + KindName(json));
  };
  switch (field.type) {
    case FieldType::Integer:
      if (json.is_number_unsigned() && json.get<uint64_t>() > INT64_MAX) {
        Fail(Where(row, field) + ": integer out of range");
      }
      if (!json.is_number_integer()) wrong_kind("an integer");
      return Value::Integer(json.get<int64_t>());
    case FieldType::Float:
      if (!json.is_number()) wrong_kind("a number");
      return Value::Float(json.get<double>());
    case FieldType::Text:
      if (!json.is_string()) wrong_kind("text");
      return Value::Text(json.get<std::string>());
    case FieldType::DateTime: {
      if (!json.is_string()) wrong_kind("an ISO date-time text");
      const auto& text = json.get_ref<const std::string&>();
      try {
        return Value::DateTime(platform::IsoToDateTime(text));
      } catch (const Error&) {
        Fail(Where(row, field) + ": '" + text + "' is not an ISO date-time");
      }
    }
    case FieldType::Blob:
      if (!json.is_string()) wrong_kind("base64 text");
      try {
        return Value::Blob(platform::Base64Decode(json.get_ref<const std::string&>()));
      } catch (const Error& error) {
        Fail(Where(row, field) + ": " + error.message());
      }
  }
  return Value::Null();
}

FieldDef FieldFromJson(const Json& json, size_t index) {
  const std::string where = "fields[" + std::to_string(index) + "]";
  if (!json.is_object()) Fail(where + " is not an object");
  FieldDef field;
  const auto name = json.find("name");
  if (name == json.end() || !name->is_string() || name->get_ref<const std::string&>().empty()) {
    Fail(where + " has no name");
  }
  field.name = name->get<std::string>();
  const auto type = json.find("type");
  if (type == json.end() || !type->is_string()) Fail(where + " (" + field.name + ") has no type");
  try {
    field.type = FieldTypeFromString(type->get<std::string>());
  } catch (const Error&) {
    Fail(where + " (" + field.name + ") has an unknown type '" + type->get<std::string>() + "'");
  }
  const auto size = json.find("size");
  if (size != json.end()) {
    if (!size->is_number_integer() || size->get<int64_t>() < 0 ||
        size->get<int64_t>() > INT32_MAX) {
      Fail(where + " (" + field.name + ") has an invalid size");
    }
    field.size = size->get<int>();
  }
  return field;
}

const Json& Member(const Json& root, const char* key) {
  const auto found = root.find(key);
  if (found == root.end()) Fail(std::string("missing \"") + key + "\"");
  if (!found->is_array()) Fail(std::string("\"") + key + "\" is not an array");
  return *found;
}

}  // namespace

int DataPacket::FieldIndex(const std::string& name) const {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (platform::SameText(fields[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

std::string DataPacket::ToJson() const {
  OrderedJson json_fields = OrderedJson::array();
  for (const auto& field : fields) {
    OrderedJson entry = {{"name", field.name}, {"type", ToString(field.type)}};
    if (field.size != 0) entry["size"] = field.size;
    json_fields.push_back(std::move(entry));
  }
  OrderedJson json_rows = OrderedJson::array();
  for (size_t r = 0; r < rows.size(); ++r) {
    const Row& row = rows[r];
    if (row.size() != fields.size()) {
      Fail("rows[" + std::to_string(r) + "] has " + std::to_string(row.size()) + " values for " +
           std::to_string(fields.size()) + " fields");
    }
    OrderedJson entry = OrderedJson::object();
    for (size_t f = 0; f < fields.size(); ++f) {
      entry[fields[f].name] = CellToJson(row[f], fields[f], r);
    }
    json_rows.push_back(std::move(entry));
  }
  OrderedJson root = {{"fields", std::move(json_fields)}, {"rows", std::move(json_rows)}};
  return root.dump();
}

DataPacket DataPacket::FromJson(const std::string& json) {
  Json root;
  try {
    root = Json::parse(json);
  } catch (const Json::parse_error& error) {
    Fail("not valid JSON (error at byte " + std::to_string(error.byte) + ")");
  } catch (const Json::exception&) {
    // The reader refuses a number beyond the range of a double with its own
    // out_of_range error, which is as much a malformed packet as a syntax error.
    Fail("not valid JSON (a number out of range)");
  }
  if (!root.is_object()) Fail("expected a JSON object");
  DataPacket packet;
  const Json& json_fields = Member(root, "fields");
  for (size_t i = 0; i < json_fields.size(); ++i) {
    FieldDef field = FieldFromJson(json_fields[i], i);
    if (packet.FieldIndex(field.name) >= 0) {
      Fail("fields[" + std::to_string(i) + "] repeats the field " + field.name);
    }
    packet.fields.push_back(std::move(field));
  }
  const Json& json_rows = Member(root, "rows");
  packet.rows.reserve(json_rows.size());
  for (size_t r = 0; r < json_rows.size(); ++r) {
    const Json& json_row = json_rows[r];
    if (!json_row.is_object()) Fail("rows[" + std::to_string(r) + "] is not an object");
    Row row(packet.fields.size());  // a field the row leaves out is null
    std::vector<bool> seen(packet.fields.size(), false);
    for (const auto& [key, cell] : json_row.items()) {
      const int index = packet.FieldIndex(key);
      if (index < 0) Fail("rows[" + std::to_string(r) + "] has an unknown field " + key);
      if (seen[index]) Fail("rows[" + std::to_string(r) + "] gives the field " + key + " twice");
      seen[index] = true;
      row[index] = CellFromJson(cell, packet.fields[index], r);
    }
    packet.rows.push_back(std::move(row));
  }
  return packet;
}

}  // namespace veiculo
