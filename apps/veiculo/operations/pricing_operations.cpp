// Sale pricing and stock valuation: the suggested sale value, the
// desired-profit price, the profitability of a price, the minimum sale price
// of a model, and the valuation of stock lists and grids with their days in
// stock.
//
// The pricing operations read the dealer parameters and the vehicle
// themselves, so one `veiculo call` prices on its own. Their progress
// messages (cbPfMensagem) go to stderr. MontaClassificacaoVeiculo works on
// the dealer parameters the module holds: in a script, after LerParametro.

#include <string>

#include "operations/define.h"

namespace veiculo::cli {
namespace {

void RegisterSalePricing(Registry& r) {
  r.Add(Op("CalculoValorVenda", "The suggested sale value of a vehicle")
            .Calls(&Module::CalculoValorVenda, "PEmpresa", "PRevenda", "PValorCR", "PVeiculo",
                   Date("PDataProcessamento"), "PUsaPrecoEdicao", "PUsaPrecoPacote",
                   "cbPfMensagem"));
  // cdsFormulaAlterada, the formula lines a caller changed, may be left out
  // (an empty packet): it is a var parameter of the host, read only.
  r.Add(Op("CalculaValorCfeLucroDesejado",
           "The sale value of a vehicle that gives the desired profit percentage")
            .Calls(
                [](CallContext& c, int32_t PEmpresa, int32_t PRevenda, const std::string& PVeiculo,
                   const std::string& PRentabilidade, const std::string& PValorizacao,
                   double PPercentual, double PDataProcessamento, bool PUsaPrecoEdicao,
                   bool PUsaPrecoPacote, const Module::CallbackMensagem& cbPfMensagem,
                   DataPacket& cdsFormulaAlterada, bool pPassouCds) {
                  return c.Module().CalculaValorCfeLucroDesejado(
                      PEmpresa, PRevenda, PVeiculo, PRentabilidade, PValorizacao, PPercentual,
                      PDataProcessamento, PUsaPrecoEdicao, PUsaPrecoPacote, cbPfMensagem,
                      cdsFormulaAlterada, pPassouCds);
                },
                "PEmpresa", "PRevenda", "PVeiculo", "PRentabilidade", "PValorizacao", "PPercentual",
                Date("PDataProcessamento"), "PUsaPrecoEdicao", "PUsaPrecoPacote", "cbPfMensagem",
                "cdsFormulaAlterada", "pPassouCds"));
  r.Add(Op("CalculaRentabilidade", "The profitability of a vehicle's sale")
            .Calls(&Module::CalculaRentabilidade, "PEmpresa", "PRevenda", "PVeiculo", "PRetorno",
                   Date("PDataProcessamento")));
  r.Add(Op("AtualizaPrecoMinimo", "Stores the minimum sale price of a model's vehicles")
            .Writes()
            .Calls(&Module::AtualizaPrecoMinimo, "pfConexao", "pfBancoDados", "pfEmpresa",
                   "pfModelo", "pfValMinimo"));
}

void RegisterStockValuation(Registry& r) {
  r.Add(Op("CalculaEstoqueIntermediario",
           "Values the rows of a stock list: table price, sale value, days in stock, bonus")
            .Calls(&Module::CalculaEstoqueIntermediario, "pData", Date("PDataProcessamento"),
                   "cbPfMensagem", "PUsaPrecoEdicao", "PUsaPrecoPacote", "PListarBonus"));
  r.Add(Op("CalculaVenda", "The sale value of each row of a stock grid")
            .Calls(&Module::CalculaVenda, "pData", Date("PDataProcessamento"), "PUsaPrecoEdicao",
                   "PUsaPrecoPacote", "cbPfMensagem", "PCalculaBonus"));
  r.Add(Op("CalculaVendaDiasEstoque",
           "The sale value and the days in stock of each row of a stock grid")
            .Calls(&Module::CalculaVendaDiasEstoque, "pData", Date("PDataProcessamento"),
                   "PUsaPrecoEdicao", "PUsaPrecoPacote", "cbPfMensagem", "PCalculaVendaDireta",
                   "PCalculaVenda"));
  r.Add(Op("AtualizaEstMedio", "The average stock cost of each row of a stock list")
            .Calls(&Module::AtualizaEstMedio, "pData", Date("pDataProcessamento")));
  r.Add(
      Op("CalculoDiasEstoque", "A vehicle's days in stock")
          .Calls(&Module::CalculoDiasEstoque, "PEmpresa", "PVeiculo", Date("PDataProcessamento")));
  r.Add(Op("MontaClassificacaoVeiculo",
           "The vehicle classification of the dealer parameters the module holds")
            .Calls(&Module::MontaClassificacaoVeiculo));
}

}  // namespace

void RegisterPricingOperations(Registry& registry) {
  RegisterSalePricing(registry);
  RegisterStockValuation(registry);
}

}  // namespace veiculo::cli
