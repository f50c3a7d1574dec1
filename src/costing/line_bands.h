#pragma once
// The percentage bands of one formula line (VEI_FORMULA_LINHA_PER) with the
// line's own percentage, read once, and the choice of a band by the
// profitability figures. BuscaPercentualVariavel reads and chooses in one go;
// the desired-profit solver reads a line's bands once per solution and
// chooses again on every pass, as the figures move with the sale value.

#include <optional>
#include <vector>

#include "costing/incidence_line.h"  // kNaoInformado

namespace veiculo::costing {

struct FaixaPercentual {
  // First letter of BASE_REFERENCIA ("B" gross profit, "L" profit, "M"
  // contribution margin; ' ' when empty) and whether HISTORICO_PRESENTE is "H".
  char base = ' ';
  bool historico = false;
  double limite_inicial = 0;
  double limite_final = 0;
  std::optional<double> percentual;  // PERCENTUAL_FORMULA
  std::optional<double> valor;       // VAL_FORMULA
};

struct FaixasLinha {
  double percentual = kNaoInformado;    // the line's PERCENTUAL; not set when null or no line
  std::vector<FaixaPercentual> faixas;  // by lower bound
};

// The profitability figures a band compares, each in percent of the sale.
struct FigurasFaixa {
  double historico, presente, margem_p, margem_h, lucro_bruto_p, lucro_bruto_h;
};

struct EscolhaFaixa {
  double percentual = kNaoInformado;
  double valor_fixo = kNaoInformado;  // the band fixed amount, when a band gives one
  bool variavel = false;              // whether the line has bands at all
};

// Walks the bands by their lower bound; a later match overrides an earlier
// one. A band naming no figure compares the previous band's figure (0 at first).
EscolhaFaixa EscolheFaixa(const FaixasLinha& faixas, const FigurasFaixa& figuras);

}  // namespace veiculo::costing
