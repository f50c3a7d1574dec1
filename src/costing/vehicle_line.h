#pragma once
// One line of a vehicle's own costing formula valued against the vehicle's
// dates and a sale value: what the vehicle cost and the sale pricing share.
//
// The profit line "K" is the sale value less the total cost of the lines
// valued before it; the rebate "8" counts only at present value; every other
// code is resolved by BuscaIncidencia, carried to present value by
// ValorPresenteLinha and, on lines of TIPO "E", reduced to its financial
// effect. A percentage on "K" applies to both amounts and rounds them to
// cents; on "8" the resolution has already applied it and the amount is only
// rounded to cents.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "costing/costing_line.h"
#include "costing/line_bands.h"

namespace veiculo::costing {

struct ValoracaoLinha {
  std::string veiculo;
  std::string formula;
  int32_t empresa = 0;  // company and dealer of the value sources
  int32_t revenda = 0;
  DatasCusteio datas;  // D5 is the processing date of the value sources
  // The sale value the profit line "K" is taken from, historic and present.
  double venda_h = 0;
  double venda_p = 0;
  // The total cost (CUSTO_TOTAL) of the lines valued before this one.
  double custo_h = 0;
  double custo_p = 0;
};

// What one line keeps from pass to pass of one desired-profit solution. The
// database does not change during a solution, nor do the vehicle, its dates,
// the formula line or the module's holders other than the sale value; so
// - the line's bands are read once and chosen again on every pass;
// - the amount BuscaIncidencia resolves for a code that does not depend on
//   the sale value is a function of the percentage and the band fixed amount
//   it is resolved with, and is kept by those two;
// - the present value of a line is a function of its historic amount (its
//   reference date, index levels and rates are fixed), and is kept by it.
// Entries are matched exactly: a band that changes the percentage between
// passes resolves afresh. Lives for one solution only.
struct MemoriaLinha {
  std::optional<FaixasLinha> faixas;

  struct Resolucao {
    double percentual, valor_fixo, valor;
  };
  std::vector<Resolucao> resolucoes;

  struct Presente {
    double historico, presente;
  };
  std::vector<Presente> presentes;
};

}  // namespace veiculo::costing
