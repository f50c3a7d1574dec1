// One row of a costing evaluation: its percentage and its amounts.
//
// A line with percentage bands takes the band percentage of the profitability
// reached so far; the row and the formula line in cdsFormulaLinha receive it
// (in memory only) and the financial base is recomputed, since base lines may
// depend on it. The amount comes from the incidence resolution, or from the
// client's registry packet in a local (what-if) evaluation; the profit line
// ("K") is what the sale value leaves over the cost so far, and the rebate
// ("8") is a present-value amount only.

#include <string>

#include "costing/costing_evaluation.h"

namespace veiculo {

using costing::AvaliacaoCusteio;
using costing::kNaoInformado;
using costing::LinhaCusteio;

namespace {

// The formula line of cdsFormulaLinha takes the band percentage, so that the
// financial base is recomputed with it. A line that is not loaded there is
// left alone rather than writing the percentage into whichever row is current.
void PostaPercentualFormula(platform::ClientDataSet& linhas, int32_t empresa,
                            const std::string& formula, int32_t linha, double percentual) {
  if (!linhas.Active() ||
      !linhas.Locate("EMPRESA;FORMULA;LINHA_FORMULA",
                     {Value::Integer(empresa), Value::Text(formula), Value::Integer(linha)}))
    return;
  linhas.Edit();
  linhas.FieldByName("PERCENTUAL").SetAsFloat(percentual);
  linhas.Post();
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::PercentualLinhaCusteio(AvaliacaoCusteio& pAvaliacao,
                                                              const LinhaCusteio& pLinha) {
  costing::VariaveisCusteio& v = pAvaliacao.vars;
  bool variavel = false;
  const double faixa = BuscaPercentualVariavel(
      pAvaliacao.empresa, pLinha.LINHA_FORMULA, pAvaliacao.formula, v.PercHistorico, v.PercPresente,
      v.PercMargemP, v.PercMargemH, v.PercLucroBrutoP, v.PercLucroBrutoH, variavel);

  platform::Field percentual = pAvaliacao.custeio.FieldByName("PERCENTUAL");
  if (!variavel) return percentual.IsNull() ? kNaoInformado : percentual.AsFloat();
  if (faixa == kNaoInformado) {
    percentual.Clear();
    return faixa;
  }
  percentual.SetAsFloat(faixa);
  PostaPercentualFormula(*cdsFormulaLinha, pAvaliacao.empresa, pAvaliacao.formula,
                         pLinha.LINHA_FORMULA, faixa);
  Base_Financeiro = CalculaBaseFinanceiro(pAvaliacao.e, pAvaliacao.r, pAvaliacao.veiculo,
                                          pAvaliacao.formula, pAvaliacao.datas.D5);
  return faixa;
}

void TddmVeiculoCompartilhadoBDImpl::ValoresLinhaCusteio(AvaliacaoCusteio& pAvaliacao,
                                                         LinhaCusteio& pLinha, double pPercentual) {
  costing::VariaveisCusteio& v = pAvaliacao.vars;
  const std::string& codigo = pLinha.INCIDENCIA;

  if (codigo == "K") {
    // The profit over the lines costed so far.
    pLinha.VAL_HISTORICO = pAvaliacao.valor_venda - v.CustoHistorico;
    pLinha.VAL_PRESENTE = v.ValorPresente - v.CustoPresente;
    if (pPercentual != kNaoInformado) {
      pLinha.VAL_HISTORICO *= pPercentual / 100;
      pLinha.VAL_PRESENTE *= pPercentual / 100;
    }
    return;
  }
  if (codigo == "8") {
    // The resolution already applies the line's percentage; it is not applied again.
    pLinha.VAL_HISTORICO = 0;
    pLinha.VAL_PRESENTE =
        BuscaIncidencia(pAvaliacao.veiculo, pAvaliacao.formula, pAvaliacao.e, pAvaliacao.r,
                        pLinha.LINHA_FORMULA, pPercentual, pAvaliacao.datas.D5, false, "");
    return;
  }

  if (pAvaliacao.Local()) {
    platform::ClientDataSet& row = pAvaliacao.custeio;
    const Value percentual = row.FieldByName("PERCENTUAL").AsValue();
    // A band's fixed amount stands in for a line without one of its own, as
    // it does when the line is resolved from the database.
    double fixo = row.FieldByName("VALOR_FIXO").AsFloat();
    if (!(fixo > 0) && dPvValorFixo != kNaoInformado && dPvValorFixo != 0) fixo = dPvValorFixo;
    pLinha.VAL_HISTORICO =
        BuscaIncidenciaLocal(pAvaliacao.local, codigo, row.FieldByName("ALTERAR").AsText() == "S",
                             fixo, percentual.IsNull() ? -1 : percentual.AsFloat(),
                             row.FieldByName("VAL_HISTORICO").AsFloat());
  } else {
    // The cost ("C") includes the formula's base lines here.
    pLinha.VAL_HISTORICO = BuscaIncidencia(pAvaliacao.veiculo, pAvaliacao.formula, pAvaliacao.e,
                                           pAvaliacao.r, pLinha.LINHA_FORMULA, pPercentual,
                                           pAvaliacao.datas.D5, false, codigo == "C" ? "$" : "");
  }
  pLinha.VAL_PRESENTE = ValorPresenteLinha(pAvaliacao.e, pAvaliacao.r, pAvaliacao.veiculo,
                                           pAvaliacao.formula, pAvaliacao.datas, pLinha);
  costing::AplicaEfeitoFinanceiro(pLinha);
}

}  // namespace veiculo
