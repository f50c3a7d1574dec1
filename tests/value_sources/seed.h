#pragma once
// Shared by the value-source tests: short value builders and a row writer for
// company 1 (EMPRESA prepended), so each test seeds only the columns it reads.

#include <optional>
#include <string>
#include <vector>

#include "value_sources/invoice_seed.h"
#include "value_sources/present_value_seed.h"

namespace veiculo::testing {

inline Value I(int64_t v) {
  return Value::Integer(v);
}
inline Value T(const std::string& v) {
  return Value::Text(v);
}
inline Value F(double v) {
  return Value::Float(v);
}
inline Value D(double v) {
  return Value::DateTime(v);
}
inline Value IntOrNull(std::optional<int64_t> v) {
  return v ? I(*v) : Value::Null();
}

inline void Row(Connection& c, const std::string& table, const Columns& columns) {
  InsertRow(c, table, Columns{{"EMPRESA", I(1)}} + columns);
}

// The same with the column names in one comma-separated list: "A,B", {a, b}.
inline void Row(Connection& c, const std::string& table, const std::string& names,
                const std::vector<Value>& values) {
  std::vector<std::string> split(1);
  for (char ch : names) {
    if (ch == ',')
      split.emplace_back();
    else
      split.back().push_back(ch);
  }
  Columns columns;
  for (size_t i = 0; i < values.size(); ++i) columns.push_back({split.at(i).c_str(), values[i]});
  Row(c, table, columns);
}

// An index with its values (date, value).
inline void SeedIndex(Connection& c, int indice, const std::string& periodo,
                      const std::vector<std::pair<double, double>>& values,
                      std::optional<std::string> indexador_ford = std::nullopt) {
  SeedIndice(c, indice, periodo, indexador_ford);
  for (const auto& [data, valor] : values) SeedValorIndice(c, indice, data, valor);
}

}  // namespace veiculo::testing
