#pragma once
// Model prices and the optionals of a follow-up record, shared with other
// folders' seeds.

#include <optional>
#include <string>
#include <vector>

#include "support/kit.h"
#include "veiculo/connection.h"
#include "veiculo/value.h"

namespace veiculo::testing {

// Public price and paint surcharges of a model (VEI_MODELO) or, with a dealer,
// of the model at that dealer (VEI_MODELO_PRECO).
struct Prices {
  std::optional<double> publico, s, m, p, e;
};

inline void SeedModelo(Connection& c, int empresa, const std::string& modelo, const Prices& v,
                       std::optional<int> revenda = std::nullopt) {
  Columns columns = {{"EMPRESA", Value::Integer(empresa)}, {"MODELO", Value::Text(modelo)},
                     {"PRECO_PUBLICO", Money(v.publico)},  {"VAL_PINTURA_S", Money(v.s)},
                     {"VAL_PINTURA_M", Money(v.m)},        {"VAL_PINTURA_P", Money(v.p)},
                     {"VAL_PINTURA_E", Money(v.e)}};
  if (revenda) columns.push_back({"REVENDA", Value::Integer(*revenda)});
  Insert(c, revenda ? "VEI_MODELO_PRECO" : "VEI_MODELO", columns);
}

inline void SeedFichaOpcional(Connection& c, int empresa, const std::string& chassi,
                              const std::string& modelo, const std::string& opcional) {
  Insert(c, "OFI_FICHA_OPCIONAL",
         {{"EMPRESA", Value::Integer(empresa)},
          {"CHASSI", Value::Text(chassi)},
          {"MODELO", Value::Text(modelo)},
          {"OPCIONAL", Value::Text(opcional)}});
}

}  // namespace veiculo::testing
