#pragma once
// Rows the pricing tests seed besides the shared builders: costing formula
// lines and vehicle situations of company 1.

#include <string>

#include "support/rows.h"
#include "support/values.h"

namespace veiculo::testing {

// An active line of TIPO "N" of `formula`; the columns given add to or
// replace those defaults.
inline void AddFormulaLine(Connection& c, const std::string& formula, int linha,
                           const std::string& incidencia, const Columns& more = {}) {
  Insert(c, "VEI_FORMULA_LINHA",
         Overridden(Cols("EMPRESA FORMULA LINHA_FORMULA TIPO STATUS INCIDENCIA",
                         {I(1), T(formula), I(linha), T("N"), T("A"), T(incidencia)}),
                    more));
}

// A vehicle situation located in `localizacao` ("E" stock, "V" sold, ...).
inline void AddSituation(Connection& c, const std::string& situacao,
                         const std::string& localizacao) {
  Insert(c, "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO", {I(1), T(situacao), T(localizacao)});
}

}  // namespace veiculo::testing
