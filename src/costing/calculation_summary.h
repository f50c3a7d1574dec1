#pragma once
// The one-line summary of a vehicle's stored costing that BuscaCalculoVeiculo
// returns: the cost, and the profit, gross profit and managerial profit left
// from a sale value, on the historic and the present-value basis.
//
//   "Custo;<cost h>;<cost p>|"
//   "Lucro (%);<% h>;<profit h>;<% p>;<profit p>|"
//   "Lucro Bruto;..." and "Lucro Gerencial;..." with the same four figures.
//
// Amounts are written "##,###,##0.00 " and percentages "##0.00 " (each with
// its trailing blank) in the current local number format.

#include <string>

namespace veiculo::costing {

// Signed sums of the posted lines by one sign column, on both bases.
struct TotalCalculo {
  double historico = 0;
  double presente = 0;

  // Adds (sign "+...") or subtracts (sign "-...") the amounts; any other
  // sign, empty included, leaves the total alone.
  void Soma(const std::string& sinal, double valor_historico, double valor_presente);
};

struct TotaisCalculo {
  TotalCalculo custo;        // CUSTO_TOTAL
  TotalCalculo lucro_bruto;  // LUCRO_BRUTO
  TotalCalculo margem;       // MARGEM_CONTRIBUICAO: the managerial profit
};

// The summary for the historic sale value `valor_venda` and the present sale
// value `valor_presente`. A basis whose sale value is 0 shows 0 % throughout.
std::string TextoResumoCalculo(const TotaisCalculo& totais, double valor_venda,
                               double valor_presente);

}  // namespace veiculo::costing
