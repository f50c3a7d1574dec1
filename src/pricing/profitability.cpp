// CalculaRentabilidade: the profitability of the sale value the host set
// (dPbValorVenda, historic; Valor_Venda_presente, present), from one pass
// over the vehicle's active lines of TIPO "N" and "E" valued as the
// desired-profit pricing values them, on total cost only.
//
// A sale value of 0 counts as 0.01 (and is left so in its holder), so that an
// unpriced vehicle shows its cost as a large loss instead of failing.

#include <string>

#include "platform/db/client_dataset.h"
#include "platform/format/rounding.h"
#include "pricing/desired_profit.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

double Percentual(double lucro, double venda) {
  return venda > 0 ? platform::RoundTo(lucro / venda * 100, -2) : 0;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::CalculaRentabilidade(int32_t PEmpresa, int32_t PRevenda,
                                                            const std::string& PVeiculo,
                                                            const std::string& PRetorno,
                                                            DateTime PDataProcessamento) {
  LerParametro(PEmpresa, PRevenda);
  if (!LerVeiculo(PEmpresa, PVeiculo, true))
    throw Error(ErrorCategory::NotFound, "CalculaRentabilidade: vehicle '" + PVeiculo +
                                             "' of company " + std::to_string(PEmpresa) +
                                             " not found");
  platform::ClientDataSet& veiculo = *cdsVeiculo;
  const std::string formula = veiculo.FieldByName("FORMULA_CUSTEIO").AsText();
  Base_Financeiro =
      CalculaBaseFinanceiro(PEmpresa, PRevenda, PVeiculo, formula, PDataProcessamento);
  if (dPbValorVenda == 0) dPbValorVenda = 0.01;
  if (Valor_Venda_presente == 0) Valor_Venda_presente = 0.01;

  pricing::SolucaoLucro s;
  s.valoracao.veiculo = PVeiculo;
  s.valoracao.formula = formula;
  s.valoracao.empresa = PEmpresa;
  s.valoracao.revenda = PRevenda;
  s.valoracao.datas = pricing::DatasVeiculo(veiculo, PDataProcessamento);
  s.linhas = pricing::LinhasPreco(*cdsFormulaLinha, PEmpresa, formula, nullptr);
  s.venda = dPbValorVenda;
  PassoLucroDesejado(s);

  const double venda_p = Valor_Venda_presente;
  GravaResultadosLucro(s.venda, s.custo_h, Percentual(s.venda - s.custo_h, s.venda), venda_p,
                       s.custo_p, Percentual(venda_p - s.custo_p, venda_p));

  switch (PRetorno.empty() ? '\0' : PRetorno[0]) {
    case 'C':
      return CVd_Custo_Total_P;
    case 'L':
      return CVd_Lucro_P;
    case 'P':
      return CVd_Per_Lucro_P;
    default:
      return 0;
  }
}

}  // namespace veiculo
