#pragma once
// Row builders for the db tests: InsertRow writes one row of any table with
// bound values (an absent optional writes NULL); the few table helpers below
// are shared with other folders' seeds.

#include <optional>
#include <string>
#include <vector>

#include "support/kit.h"
#include "veiculo/connection.h"
#include "veiculo/value.h"

namespace veiculo::testing {

using SeedColumn = Column;

inline void InsertRow(Connection& connection, const std::string& table,
                      const std::vector<SeedColumn>& columns) {
  Insert(connection, table, columns);
}
inline void InsertRow(Connection& connection, const std::string& table, const std::string& names,
                      const std::vector<Value>& values) {
  Insert(connection, table, names, values);
}

// Public price and paint surcharges of a model (VEI_MODELO) or, with a dealer,
// of the model at that dealer (VEI_MODELO_PRECO).
struct Prices {
  std::optional<double> publico, s, m, p, e;
};

inline void SeedModelo(Connection& c, int empresa, const std::string& modelo, const Prices& v,
                       std::optional<int> revenda = std::nullopt) {
  std::vector<SeedColumn> columns = {
      {"EMPRESA", Value::Integer(empresa)}, {"MODELO", Value::Text(modelo)},
      {"PRECO_PUBLICO", Money(v.publico)},  {"VAL_PINTURA_S", Money(v.s)},
      {"VAL_PINTURA_M", Money(v.m)},        {"VAL_PINTURA_P", Money(v.p)},
      {"VAL_PINTURA_E", Money(v.e)}};
  if (revenda) columns.push_back({"REVENDA", Value::Integer(*revenda)});
  InsertRow(c, revenda ? "VEI_MODELO_PRECO" : "VEI_MODELO", columns);
}

inline void SeedFichaOpcional(Connection& c, int empresa, const std::string& chassi,
                              const std::string& modelo, const std::string& opcional) {
  InsertRow(c, "OFI_FICHA_OPCIONAL",
            {{"EMPRESA", Value::Integer(empresa)},
             {"CHASSI", Value::Text(chassi)},
             {"MODELO", Value::Text(modelo)},
             {"OPCIONAL", Value::Text(opcional)}});
}

}  // namespace veiculo::testing
