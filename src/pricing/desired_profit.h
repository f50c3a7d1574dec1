#pragma once
// The state of one desired-profit solution (CalculaValorCfeLucroDesejado) and
// of the profitability of a given price (CalculaRentabilidade): the vehicle's
// active lines of TIPO "N" and "E" as the pricing values them, the sale value
// S under evaluation, the sums of one pass by measure and the percentages
// they give.
//
// Measures: total cost (CUSTO_TOTAL), gross-profit cost (LUCRO_BRUTO) and
// contribution-margin cost (MARGEM_CONTRIBUICAO), each historic (H) and
// present (P). The percentage of a measure is (S - sum) / S x 100 rounded to
// cents, for H and P alike.

#include <cstdint>
#include <string>
#include <vector>

#include "costing/costing_line.h"
#include "costing/vehicle_cost.h"  // PercentuaisCusto
#include "costing/vehicle_line.h"

namespace veiculo {

namespace platform {
class ClientDataSet;
}

namespace pricing {

// Percentages are compared as the runtime's CompareValue with epsilon 0.001:
// equal when they differ by 0.001 or less.
bool MesmoPercentual(double a, double b);

// One formula line as the pricing values it. A line found among the caller's
// altered lines takes their signs here, and their PERCENTUAL (null: no
// percentage) whenever the line has no percentage bands.
struct LinhaPreco {
  costing::LinhaCusteio linha;
  bool alterada = false;
  double percentual_alterado = costing::kNaoInformado;
};

// The lines of `formula` in cdsFormulaLinha with STATUS "A" and TIPO "N" or
// "E", in the dataset's order, taken through the filter the pricing sets on
// it; the dataset's own filter is put back afterwards. `alteradas` (may be
// null) is searched by FORMULA and LINHA_FORMULA.
std::vector<LinhaPreco> LinhasPreco(platform::ClientDataSet& linhas, int32_t empresa,
                                    const std::string& formula, platform::ClientDataSet* alteradas);

// Throws veiculo::Error (validation) naming the key or percentage columns an
// altered-lines dataset lacks.
void VerificaLinhasAlteradas(const platform::ClientDataSet& alteradas);

struct SolucaoLucro {
  // Vehicle, formula, company, dealer and dates of every line; its sale
  // values and cost so far are filled in line by line.
  costing::ValoracaoLinha valoracao;
  std::vector<LinhaPreco> linhas;
  // What each line keeps from pass to pass (by the index of `linhas`): its
  // bands, and its amounts that do not depend on S (costing/vehicle_line.h).
  std::vector<costing::MemoriaLinha> memoria;

  double venda = 0;  // S
  int passes = 0;

  // Sums of the last pass.
  double custo_h = 0, custo_p = 0;
  double lucro_bruto_h = 0, lucro_bruto_p = 0;
  double margem_h = 0, margem_p = 0;
  // Whether a line of the last pass carried a LUCRO_BRUTO or a
  // MARGEM_CONTRIBUICAO sign.
  bool sinal_lucro_bruto = false;
  bool sinal_margem = false;
  // The percentages of the last pass with S > 0 (0 before): what the
  // percentage bands of the next pass are looked up with.
  costing::PercentuaisCusto percentuais;

  costing::TotaisCusteio Totais() {
    return {custo_h, custo_p, lucro_bruto_h, lucro_bruto_p, margem_h, margem_p};
  }
};

// The dates the vehicle's lines are valued with: the end of the present-value
// period is the sale date (the processing date for a vehicle not sold), the
// end for base lines the end of correction, "R" lines run from the start of
// correction (else the factory invoice) with the second leg from the
// repurchase (else the end); the processing date goes to the value sources.
// Reads the current row of cdsVeiculo.
costing::DatasCusteio DatasVeiculo(platform::ClientDataSet& veiculo, double data_processamento);

}  // namespace pricing
}  // namespace veiculo
