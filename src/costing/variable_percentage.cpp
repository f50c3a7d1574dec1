// BuscaPercentualVariavel: a formula line's percentage, which bands of a
// profitability figure may replace. Each band (VEI_FORMULA_LINHA_PER) names
// the figure it compares by the first letter of BASE_REFERENCIA (gross
// profit "B", profit "L", contribution margin "M"), historic ("H") or at
// present value, and its inclusive range; a matching band gives its
// percentage or, without one, a fixed amount that BuscaIncidencia then takes
// (dPvValorFixo). Bands are walked by their lower bound and a later match
// overrides an earlier one.

#include <string>

#include "costing/incidence_line.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"

namespace veiculo {
namespace {

struct Figures {
  double historico, presente, margem_p, margem_h, lucro_bruto_p, lucro_bruto_h;
};

std::string LineCondition(int32_t empresa, const std::string& formula, int32_t linha) {
  return "  where  empresa = " + std::to_string(empresa) + " and    formula = '" +
         platform::QuoteDoubled(formula) + "' and    linha_formula = " + std::to_string(linha);
}

// The figure a band compares; `anterior` for a base the band does not name.
double FigureOf(platform::SqlDataSet& band, const Figures& f, double anterior) {
  const std::string base = band.FieldByName("BASE_REFERENCIA").AsText();
  const bool historico = band.FieldByName("HISTORICO_PRESENTE").AsText() == "H";
  switch (base.empty() ? ' ' : base[0]) {
    case 'B':
      return historico ? f.lucro_bruto_h : f.lucro_bruto_p;
    case 'L':
      return historico ? f.historico : f.presente;
    case 'M':
      return historico ? f.margem_h : f.margem_p;
    default:
      return anterior;
  }
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaPercentualVariavel(
    int32_t pfEmpresa, int32_t pfLinhaFormula, const std::string& pfFormula, double pfPercHistorico,
    double pfPercPresente, double pfPercMargemP, double pfPercMargemH, double pfPercLucroBrutoP,
    double pfPercLucroBrutoH, bool& pfEhVariavel) {
  double resultado = costing::kNaoInformado;
  dPvValorFixo = costing::kNaoInformado;
  pfEhVariavel = true;
  const std::string condition = LineCondition(pfEmpresa, pfFormula, pfLinhaFormula);

  sdsAux->Close();
  sdsAux->SetCommandText(" select PERCENTUAL  from   vei_formula_linha" + condition);
  sdsAux->Open();
  if (!sdsAux->IsEmpty() && !sdsAux->FieldByName("PERCENTUAL").IsNull())
    resultado = sdsAux->FieldByName("PERCENTUAL").AsFloat();
  sdsAux->Close();

  sdsAux->SetCommandText(" select *  from   vei_formula_linha_per" + condition +
                         " order by limite_inicial ");
  sdsAux->Open();
  if (sdsAux->IsEmpty()) {
    pfEhVariavel = false;
    sdsAux->Close();
    return resultado;
  }

  const Figures figures{pfPercHistorico, pfPercPresente,    pfPercMargemP,
                        pfPercMargemH,   pfPercLucroBrutoP, pfPercLucroBrutoH};
  double figura = 0;
  for (; !sdsAux->Eof(); sdsAux->Next()) {
    figura = FigureOf(*sdsAux, figures, figura);
    if (figura < sdsAux->FieldByName("LIMITE_INICIAL").AsFloat() ||
        figura > sdsAux->FieldByName("LIMITE_FINAL").AsFloat())
      continue;
    const Value percentual = sdsAux->FieldByName("PERCENTUAL_FORMULA").AsValue();
    if (!percentual.IsNull()) {
      resultado = percentual.AsFloat();
    } else if (!sdsAux->FieldByName("VAL_FORMULA").IsNull()) {
      dPvValorFixo = sdsAux->FieldByName("VAL_FORMULA").AsFloat();
    }
  }
  sdsAux->Close();
  return resultado;
}

}  // namespace veiculo
