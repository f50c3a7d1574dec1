#pragma once
// A data packet: a copyable snapshot of a dataset (field definitions and typed
// rows). It is what hosts and the module exchange for client datasets.
//
// JSON form (ToJson / FromJson):
//   {"fields": [{"name": "EMPRESA", "type": "integer"},
//               {"name": "NOME", "type": "text", "size": 40}, ...],
//    "rows": [{"EMPRESA": 1, "NOME": "Centro", "DTA": "2024-01-31T00:00:00"}, ...]}
// Types are integer, float, text, datetime (ISO 8601 text) and blob (base64);
// null is JSON null. "size" is present only when it is not 0.

#include <string>
#include <vector>

#include "veiculo/value.h"

namespace veiculo {

struct FieldDef {
  std::string name;
  FieldType type = FieldType::Text;
  int size = 0;  // text length in characters, 0 when unknown or not text
  bool operator==(const FieldDef&) const = default;
};

class DataPacket {
 public:
  using Row = std::vector<Value>;

  std::vector<FieldDef> fields;
  std::vector<Row> rows;

  // Index of a field by name, ignoring letter case; -1 when absent.
  int FieldIndex(const std::string& name) const;

  std::string ToJson() const;
  // Throws veiculo::Error (validation) naming what is malformed.
  static DataPacket FromJson(const std::string& json);

  bool operator==(const DataPacket&) const = default;
};

}  // namespace veiculo
