// One line of a vehicle's costing formula evaluated and written: its
// percentage (a band may vary it with the profitability of the lines before),
// its historic and present-value amounts, the totals its signs add it to, its
// VEI_VEICULO_CUSTEIO row (and history row), and the profitability figures
// the bands of the next line are looked up with.
//
// The amounts follow the costing evaluation: the profit line "K" is the sale
// less the cost so far, the rebate "8" counts only at present value, every
// other code is resolved by BuscaIncidencia, carried to present value by
// ValorPresenteLinha and, on lines of type "E", reduced to its financial
// effect. Here a percentage on "K" or "8" also rounds their amounts to cents.

#include <cmath>
#include <string>

#include "costing/vehicle_cost.h"
#include "platform/db/client_dataset.h"
#include "platform/format/rounding.h"
#include "platform/text.h"

namespace veiculo {
namespace costing {

PercentuaisCusto PercentuaisVenda(double venda, const TotaisCusteio& totais,
                                  const PercentuaisCusto& antes) {
  const double v = venda == 0 ? 0.01 : venda;
  PercentuaisCusto p = antes;
  double* const alvo[] = {&p.historico,     &p.presente, &p.lucro_bruto_h,
                          &p.lucro_bruto_p, &p.margem_h, &p.margem_p};
  const double figura[] = {totais.CustoHistorico, totais.CustoPresente, totais.LucroBrutoH,
                           totais.LucroBrutoP,    totais.MargemH,       totais.MargemP};
  for (int i = 0; i < 6; ++i) {
    const double percentual = (v - figura[i]) / v * 100;
    if (!std::isfinite(percentual)) break;
    *alvo[i] = platform::RoundTo(percentual, -2);
  }
  return p;
}

}  // namespace costing

namespace {

std::string Texto(platform::ClientDataSet& dataset, const char* field) {
  return platform::Trim(dataset.FieldByName(field).AsText());
}

bool Locate(platform::ClientDataSet& linhas, int32_t linha) {
  return linhas.Locate("LINHA_FORMULA", {Value::Integer(linha)});
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::PercentualLinhaCusto(CustoVeiculo& pCusto, int32_t pLinha) {
  const costing::PercentuaisCusto& p = pCusto.percentuais;
  bool variavel = false;
  const double percentual =
      BuscaPercentualVariavel(pCusto.empresa, pLinha, pCusto.formula, p.historico, p.presente,
                              p.margem_p, p.margem_h, p.lucro_bruto_p, p.lucro_bruto_h, variavel);
  if (variavel && percentual != costing::kNaoInformado) {
    // The financial base is taken again with the band's percentage in place.
    Locate(*cdsFormulaLinha, pLinha);
    cdsFormulaLinha->Edit();
    cdsFormulaLinha->FieldByName("PERCENTUAL").SetAsFloat(percentual);
    cdsFormulaLinha->Post();
    Base_Financeiro = CalculaBaseFinanceiro(pCusto.empresa, pCusto.revenda, pCusto.veiculo,
                                            pCusto.formula, pCusto.data_referencia);
    Locate(*cdsFormulaLinha, pLinha);
  }
  return percentual;
}

void TddmVeiculoCompartilhadoBDImpl::AvaliaLinhaCusto(CustoVeiculo& pCusto) {
  platform::ClientDataSet& linhas = *cdsFormulaLinha;
  costing::LinhaCusteio linha = costing::LeLinhaCusteio(linhas);
  const std::string status = Texto(linhas, "STATUS");
  const bool titulo_fi = Texto(linhas, "GERAR_TITULO_PARA_FI") == "S";

  const double pct = PercentualLinhaCusto(pCusto, linha.LINHA_FORMULA);
  const std::string& codigo = linha.INCIDENCIA;
  if (status == "D" || codigo == "(" || (codigo == ")" && linha.TIPO == "B")) {
    Locate(linhas, linha.LINHA_FORMULA);
    return;
  }

  // The F&I customer is the one the line's return names now: it is cleared
  // first so that a line without returns does not inherit the customer of a
  // line (or a vehicle) resolved before.
  const bool cliente_da_linha = codigo == "5" && titulo_fi;
  if (cliente_da_linha) sPvClienteFI.clear();

  if (codigo == "K") {
    linha.VAL_HISTORICO = dPbValorVenda - pCusto.custo_h;
    linha.VAL_PRESENTE = pCusto.valor_presente_venda - pCusto.custo_p;
  } else if (codigo == "8") {
    linha.VAL_HISTORICO = 0;
    linha.VAL_PRESENTE =
        BuscaIncidencia(pCusto.veiculo, pCusto.formula, pCusto.empresa, pCusto.revenda,
                        linha.LINHA_FORMULA, pct, pCusto.data_referencia, false, "");
  } else {
    linha.VAL_HISTORICO = BuscaIncidencia(pCusto.veiculo, pCusto.formula, pCusto.empresa,
                                          pCusto.revenda, linha.LINHA_FORMULA, pct,
                                          pCusto.data_referencia, false, codigo == "C" ? "$" : "");
    linha.VAL_PRESENTE = ValorPresenteLinha(pCusto.empresa, pCusto.revenda, pCusto.veiculo,
                                            pCusto.formula, pCusto.Datas(), linha);
    costing::AplicaEfeitoFinanceiro(linha);
  }
  // A percentage rounds the profit and rebate lines to cents. The rebate's
  // resolution has already applied it, so it is not applied a second time.
  if (codigo == "K" && pct != costing::kNaoInformado) {
    linha.VAL_HISTORICO = platform::RoundTo(linha.VAL_HISTORICO * pct / 100, -2);
    linha.VAL_PRESENTE = platform::RoundTo(linha.VAL_PRESENTE * pct / 100, -2);
  } else if (codigo == "8" && pct != costing::kNaoInformado) {
    linha.VAL_PRESENTE = platform::RoundTo(linha.VAL_PRESENTE, -2);
  }

  costing::TotaisCusteio totais = pCusto.Totais();
  costing::SomaTotaisLinha(linha, totais);
  GravaLinhaCusto(pCusto, linha, pct, cliente_da_linha ? sPvClienteFI : std::string());
  pCusto.percentuais = costing::PercentuaisVenda(dPbValorVenda, totais, pCusto.percentuais);
  Locate(linhas, linha.LINHA_FORMULA);
}

void TddmVeiculoCompartilhadoBDImpl::GravaLinhaCusto(const CustoVeiculo& pCusto,
                                                     const costing::LinhaCusteio& pLinha,
                                                     double pPercentual,
                                                     const std::string& pClienteFI) {
  costing::LinhaGravada linha;
  linha.empresa = pCusto.empresa;
  linha.veiculo = pCusto.veiculo;
  linha.formula = pCusto.formula;
  linha.linha = pLinha.LINHA_FORMULA;
  linha.percentual = pPercentual;
  linha.historico = pLinha.VAL_HISTORICO;
  linha.presente = pLinha.VAL_PRESENTE;
  linha.cliente_fi = pClienteFI;
  ExecutaCusto(costing::InsertCusteio(linha));
  if (pCusto.historico && iPvProposta != 0)
    ExecutaCusto(
        costing::InsertCusteioHistorico(linha, pCusto.revenda, iPvProposta, pCusto.dta_custo));
}

}  // namespace veiculo
