#pragma once
// The world the incidence tests resolve formula lines in: company 1, dealer 1
// with its tax rates and parameters, formula "F1", and builders for lines,
// vehicles and the rows their value sources read. The fixture binds a module
// to the test database inside the test's transaction.
//
// Dates: the factory invoiced on 05/01/2024, the vehicle was sold on
// 10/03/2024, and lines are resolved on 15/03/2024.

#include <string>

#include "value_sources/invoice_seed.h"

namespace veiculo::testing {

inline const double kFatFabrica = Day(2024, 1, 5);
inline const double kVenda = Day(2024, 3, 10);
inline const double kProcessamento = Day(2024, 3, 15);
inline constexpr double kSemPercentual = -999999999.0;

// GER_REVENDA with PIS 1.65 + COFINS 7.6 (new) and 0.65 + 3 (used), and the
// dealer's VEI_PARAMETRO row.
inline void SeedDealer(Connection& c, int revenda, Value pct_issqn, const Columns& parametros) {
  InsertRow(c, "GER_REVENDA",
            {{"EMPRESA", Value::Integer(1)},
             {"REVENDA", Value::Integer(revenda)},
             {"PCT_PIS", Value::Float(1.65)},
             {"PCT_COFINS", Value::Float(7.6)},
             {"PCT_PIS_USADOS", Value::Float(0.65)},
             {"PCT_COFINS_USADOS", Value::Float(3)},
             {"PCT_ISSQN", pct_issqn}});
  InsertRow(
      c, "VEI_PARAMETRO",
      Columns{{"EMPRESA", Value::Integer(1)}, {"REVENDA", Value::Integer(revenda)}} + parametros);
}

// `base` with the columns of `given` replaced or added.
inline Columns Overridden(Columns base, const Columns& given) {
  for (const SeedColumn& g : given) {
    bool replaced = false;
    for (SeedColumn& b : base) {
      if (std::string(b.name) == g.name) {
        b.value = g.value;
        replaced = true;
      }
    }
    if (!replaced) base.push_back(g);
  }
  return base;
}

// An active normal line of formula F1 (or another); the columns given add to
// or replace those.
inline void SeedLine(Connection& c, int linha, const std::string& incidencia,
                     const Columns& columns = {}, const std::string& formula = "F1") {
  InsertRow(c, "VEI_FORMULA_LINHA",
            Overridden({{"EMPRESA", Value::Integer(1)},
                        {"FORMULA", Value::Text(formula)},
                        {"LINHA_FORMULA", Value::Integer(linha)},
                        {"TIPO", Value::Text("N")},
                        {"STATUS", Value::Text("A")},
                        {"INCIDENCIA", Value::Text(incidencia)}},
                       columns));
}

// A vehicle of company 1 and formula F1 with its follow-up record; the model
// is seeded apart (SeedModel gives M1 without prices).
inline void SeedVehicleWithRecord(Connection& c, const std::string& veiculo,
                                  const std::string& chassi, const Columns& vehicle,
                                  const Columns& record = {}) {
  InsertRow(c, "OFI_FICHA_SEGUIMENTO",
            Columns{{"CHASSI", Value::Text(chassi)}, {"EMPRESA", Value::Integer(1)}} + record);
  InsertRow(c, "VEI_VEICULO",
            Columns{{"EMPRESA", Value::Integer(1)},
                    {"VEICULO", Value::Text(veiculo)},
                    {"MODELO", Value::Text("M1")},
                    {"CHASSI", Value::Text(chassi)},
                    {"FORMULA", Value::Text("F1")}} +
                vehicle);
}

inline Value F(double v) {
  return Value::Float(v);
}
inline Value I(int64_t v) {
  return Value::Integer(v);
}
inline Value T(const std::string& v) {
  return Value::Text(v);
}

class IncidenceTest : public ValueSourceTest {
 protected:
  // Resolves line `linha` of F1 for `veiculo` at dealer `revenda`.
  double Incidencia(const std::string& veiculo, int linha, double percentual = kSemPercentual,
                    const std::string& tipo = "", bool aux = false, int revenda = 1) {
    return dm.BuscaIncidencia(veiculo, "F1", 1, revenda, linha, percentual, kProcessamento, aux,
                              tipo);
  }
};

}  // namespace veiculo::testing
