#pragma once
// The world the costing tests resolve formula lines in: company 1, formula
// "F1", builders for dealers, formula lines and bands on the kit's, and the
// fixture that resolves a line. Dates: factory invoice 05/01/2024, sale 10/03/2024, lines
// resolved on 15/03/2024.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "module/catalogue_seed.h"
#include "support/kit.h"

namespace veiculo::testing {

inline const double kFatFabrica = Day(2024, 1, 5);
inline const double kVenda = Day(2024, 3, 10);
inline const double kProcessamento = Day(2024, 3, 15);
inline constexpr double kSemPercentual = -999999999.0;

// GER_REVENDA with PIS 1.65 + COFINS 7.6 (new) and 0.65 + 3 (used), and the
// dealer's VEI_PARAMETRO row.
inline void SeedDealer(Connection& c, int revenda, Value pct_issqn, const Columns& parametros) {
  AddDealer(c, revenda,
            Cols("PCT_PIS PCT_COFINS PCT_PIS_USADOS PCT_COFINS_USADOS PCT_ISSQN",
                 {F(1.65), F(7.6), F(0.65), F(3), pct_issqn}));
  AddParameters(c, revenda, parametros);
}

// An active normal line of formula F1 (or another); the columns given add to
// or replace those.
inline void SeedLine(Connection& c, int linha, const std::string& incidencia,
                     const Columns& columns = {}, const std::string& formula = "F1") {
  Insert(c, "VEI_FORMULA_LINHA",
         Overridden(Cols("EMPRESA FORMULA LINHA_FORMULA TIPO STATUS INCIDENCIA",
                         {I(1), T(formula), I(linha), T("N"), T("A"), T(incidencia)}),
                    columns));
}

// A band of a line of F1.
inline void SeedBand(Connection& c, int linha, double inicial, double final,
                     const std::string& base, const std::string& historico_presente,
                     std::optional<double> percentual, std::optional<double> valor = {}) {
  Insert(c, "VEI_FORMULA_LINHA_PER",
         "EMPRESA FORMULA LINHA_FORMULA LIMITE_INICIAL LIMITE_FINAL BASE_REFERENCIA "
         "HISTORICO_PRESENTE PERCENTUAL_FORMULA VAL_FORMULA",
         {I(1), T("F1"), I(linha), F(inicial), F(final), T(base), T(historico_presente),
          Money(percentual), Money(valor)});
}

class IncidenceTest : public ModuleTest {
 protected:
  // A second module on the test's connection, for a state of its own.
  void Attach(ModuleUnderTest& other) {
    other.InicializaDM();
    other.AtribuiConexao(&connection());
  }
  // Resolves line `linha` of F1 for `veiculo` at dealer `revenda`.
  double Incidencia(const std::string& veiculo, int linha, double percentual = kSemPercentual,
                    const std::string& tipo = "", bool aux = false, int revenda = 1) {
    return module().BuscaIncidencia(veiculo, "F1", 1, revenda, linha, percentual, kProcessamento,
                                    aux, tipo);
  }
};

}  // namespace veiculo::testing
