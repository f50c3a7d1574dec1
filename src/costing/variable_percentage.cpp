// BuscaPercentualVariavel: a formula line's percentage, which bands of a
// profitability figure may replace. Each band (VEI_FORMULA_LINHA_PER) names
// the figure it compares by the first letter of BASE_REFERENCIA (gross
// profit "B", profit "L", contribution margin "M"), historic ("H") or at
// present value, and its inclusive range; a matching band gives its
// percentage or, without one, a fixed amount that BuscaIncidencia then takes
// (dPvValorFixo). Bands are walked by their lower bound and a later match
// overrides an earlier one.

#include <optional>
#include <string>

#include "costing/incidence_line.h"
#include "costing/kept_rows.h"
#include "costing/line_bands.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"

namespace veiculo {
namespace {

std::string LineCondition(int32_t empresa, const std::string& formula, int32_t linha) {
  return "  where  empresa = " + std::to_string(empresa) + " and    formula = '" +
         platform::QuoteDoubled(formula) + "' and    linha_formula = " + std::to_string(linha);
}

std::optional<double> Optional(const Value& value) {
  if (value.IsNull()) return std::nullopt;
  return value.AsFloat();
}

}  // namespace

namespace costing {

EscolhaFaixa EscolheFaixa(const FaixasLinha& faixas, const FigurasFaixa& f) {
  EscolhaFaixa escolha;
  escolha.percentual = faixas.percentual;
  escolha.variavel = !faixas.faixas.empty();
  double figura = 0;
  for (const FaixaPercentual& faixa : faixas.faixas) {
    switch (faixa.base) {
      case 'B':
        figura = faixa.historico ? f.lucro_bruto_h : f.lucro_bruto_p;
        break;
      case 'L':
        figura = faixa.historico ? f.historico : f.presente;
        break;
      case 'M':
        figura = faixa.historico ? f.margem_h : f.margem_p;
        break;
      default:
        break;  // the previous band's figure
    }
    if (figura < faixa.limite_inicial || figura > faixa.limite_final) continue;
    if (faixa.percentual) {
      escolha.percentual = *faixa.percentual;
    } else if (faixa.valor) {
      escolha.valor_fixo = *faixa.valor;
    }
  }
  return escolha;
}

}  // namespace costing

costing::FaixasLinha TddmVeiculoCompartilhadoBDImpl::LeFaixasLinha(int32_t pfEmpresa,
                                                                   int32_t pfLinhaFormula,
                                                                   const std::string& pfFormula) {
  costing::FaixasLinha faixas;
  const std::string condition = LineCondition(pfEmpresa, pfFormula, pfLinhaFormula);

  // The line's percentage and bands never change under a costing: a batch
  // command's connection keeps them for its transaction (row_cache.h).
  const costing::KeptRows kept(*sdsAux);
  sdsAux->Close();
  sdsAux->SetCommandText(" select PERCENTUAL  from   vei_formula_linha" + condition);
  sdsAux->Open();
  if (!sdsAux->IsEmpty() && !sdsAux->FieldByName("PERCENTUAL").IsNull())
    faixas.percentual = sdsAux->FieldByName("PERCENTUAL").AsFloat();
  sdsAux->Close();

  sdsAux->SetCommandText(" select *  from   vei_formula_linha_per" + condition +
                         " order by limite_inicial ");
  for (sdsAux->Open(); !sdsAux->Eof(); sdsAux->Next()) {
    costing::FaixaPercentual faixa;
    const std::string base = sdsAux->FieldByName("BASE_REFERENCIA").AsText();
    faixa.base = base.empty() ? ' ' : base[0];
    faixa.historico = sdsAux->FieldByName("HISTORICO_PRESENTE").AsText() == "H";
    faixa.limite_inicial = sdsAux->FieldByName("LIMITE_INICIAL").AsFloat();
    faixa.limite_final = sdsAux->FieldByName("LIMITE_FINAL").AsFloat();
    faixa.percentual = Optional(sdsAux->FieldByName("PERCENTUAL_FORMULA").AsValue());
    faixa.valor = Optional(sdsAux->FieldByName("VAL_FORMULA").AsValue());
    faixas.faixas.push_back(faixa);
  }
  sdsAux->Close();
  return faixas;
}

double TddmVeiculoCompartilhadoBDImpl::BuscaPercentualVariavel(
    int32_t pfEmpresa, int32_t pfLinhaFormula, const std::string& pfFormula, double pfPercHistorico,
    double pfPercPresente, double pfPercMargemP, double pfPercMargemH, double pfPercLucroBrutoP,
    double pfPercLucroBrutoH, bool& pfEhVariavel) {
  dPvValorFixo = costing::kNaoInformado;
  const costing::EscolhaFaixa escolha =
      costing::EscolheFaixa(LeFaixasLinha(pfEmpresa, pfLinhaFormula, pfFormula),
                            {pfPercHistorico, pfPercPresente, pfPercMargemP, pfPercMargemH,
                             pfPercLucroBrutoP, pfPercLucroBrutoH});
  dPvValorFixo = escolha.valor_fixo;
  pfEhVariavel = escolha.variavel;
  return escolha.percentual;
}

}  // namespace veiculo
