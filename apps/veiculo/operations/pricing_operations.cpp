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

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

using T = ParamType;

TddmVeiculoCompartilhadoBD::CallbackMensagem Mensagens(CallContext& c) {
  return [&c](const std::string& mensagem) { c.Progress(mensagem); };
}

void RegisterSalePricing(Registry& r) {
  r.Add({"CalculoValorVenda",
         {{"PEmpresa", T::Integer},
          {"PRevenda", T::Integer},
          {"PValorCR", T::Text},
          {"PVeiculo", T::Text},
          {"PDataProcessamento", T::DateTime},
          {"PUsaPrecoEdicao", T::Boolean},
          {"PUsaPrecoPacote", T::Boolean},
          {"cbPfMensagem", T::Callback}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculoValorVenda(
               c.Integer("PEmpresa"), c.Integer("PRevenda"), c.Text("PValorCR"), c.Text("PVeiculo"),
               c.DateTime("PDataProcessamento"), c.Boolean("PUsaPrecoEdicao"),
               c.Boolean("PUsaPrecoPacote"), Mensagens(c));
         }});
  r.Add({"CalculaValorCfeLucroDesejado",
         {{"PEmpresa", T::Integer},
          {"PRevenda", T::Integer},
          {"PVeiculo", T::Text},
          {"PRentabilidade", T::Text},
          {"PValorizacao", T::Text},
          {"PPercentual", T::Double},
          {"PDataProcessamento", T::DateTime},
          {"PUsaPrecoEdicao", T::Boolean},
          {"PUsaPrecoPacote", T::Boolean},
          {"cbPfMensagem", T::Callback},
          {"cdsFormulaAlterada", T::DataPacket, Direction::Var},
          {"pPassouCds", T::Boolean}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculaValorCfeLucroDesejado(
               c.Integer("PEmpresa"), c.Integer("PRevenda"), c.Text("PVeiculo"),
               c.Text("PRentabilidade"), c.Text("PValorizacao"), c.Double("PPercentual"),
               c.DateTime("PDataProcessamento"), c.Boolean("PUsaPrecoEdicao"),
               c.Boolean("PUsaPrecoPacote"), Mensagens(c), c.Var<DataPacket>("cdsFormulaAlterada"),
               c.Boolean("pPassouCds"));
         }});
  r.Add({"CalculaRentabilidade",
         {{"PEmpresa", T::Integer},
          {"PRevenda", T::Integer},
          {"PVeiculo", T::Text},
          {"PRetorno", T::Text},
          {"PDataProcessamento", T::DateTime}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculaRentabilidade(c.Integer("PEmpresa"), c.Integer("PRevenda"),
                                                  c.Text("PVeiculo"), c.Text("PRetorno"),
                                                  c.DateTime("PDataProcessamento"));
         }});
  r.Add({"AtualizaPrecoMinimo",
         {{"pfConexao", T::Connection},
          {"pfBancoDados", T::Text},
          {"pfEmpresa", T::Integer},
          {"pfModelo", T::Text},
          {"pfValMinimo", T::Double}},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           return c.Module().AtualizaPrecoMinimo(&c.HostConnection(), c.Text("pfBancoDados"),
                                                 c.Integer("pfEmpresa"), c.Text("pfModelo"),
                                                 c.Double("pfValMinimo"));
         }});
}

void RegisterStockValuation(Registry& r) {
  r.Add({"CalculaEstoqueIntermediario",
         {{"pData", T::DataPacket},
          {"PDataProcessamento", T::DateTime},
          {"cbPfMensagem", T::Callback},
          {"PUsaPrecoEdicao", T::Boolean},
          {"PUsaPrecoPacote", T::Boolean},
          {"PListarBonus", T::Boolean}},
         {T::DataPacket},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculaEstoqueIntermediario(
               c.Packet("pData"), c.DateTime("PDataProcessamento"), Mensagens(c),
               c.Boolean("PUsaPrecoEdicao"), c.Boolean("PUsaPrecoPacote"),
               c.Boolean("PListarBonus"));
         }});
  r.Add({"CalculaVenda",
         {{"pData", T::DataPacket},
          {"PDataProcessamento", T::DateTime},
          {"PUsaPrecoEdicao", T::Boolean},
          {"PUsaPrecoPacote", T::Boolean},
          {"cbPfMensagem", T::Callback},
          {"PCalculaBonus", T::Boolean}},
         {T::DataPacket},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculaVenda(
               c.Packet("pData"), c.DateTime("PDataProcessamento"), c.Boolean("PUsaPrecoEdicao"),
               c.Boolean("PUsaPrecoPacote"), Mensagens(c), c.Boolean("PCalculaBonus"));
         }});
  r.Add({"CalculaVendaDiasEstoque",
         {{"pData", T::DataPacket},
          {"PDataProcessamento", T::DateTime},
          {"PUsaPrecoEdicao", T::Boolean},
          {"PUsaPrecoPacote", T::Boolean},
          {"cbPfMensagem", T::Callback},
          {"PCalculaVendaDireta", T::Boolean},
          {"PCalculaVenda", T::Boolean}},
         {T::DataPacket},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculaVendaDiasEstoque(
               c.Packet("pData"), c.DateTime("PDataProcessamento"), c.Boolean("PUsaPrecoEdicao"),
               c.Boolean("PUsaPrecoPacote"), Mensagens(c), c.Boolean("PCalculaVendaDireta"),
               c.Boolean("PCalculaVenda"));
         }});
  r.Add({"AtualizaEstMedio",
         {{"pData", T::DataPacket}, {"pDataProcessamento", T::DateTime}},
         {T::DataPacket},
         [](CallContext& c) -> TypedValue {
           return c.Module().AtualizaEstMedio(c.Packet("pData"), c.DateTime("pDataProcessamento"));
         }});
  r.Add({"CalculoDiasEstoque",
         {{"PEmpresa", T::Integer}, {"PVeiculo", T::Text}, {"PDataProcessamento", T::DateTime}},
         {T::Integer},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculoDiasEstoque(c.Integer("PEmpresa"), c.Text("PVeiculo"),
                                                c.DateTime("PDataProcessamento"));
         }});
  r.Add({"MontaClassificacaoVeiculo", {}, {T::Text}, [](CallContext& c) -> TypedValue {
           return c.Module().MontaClassificacaoVeiculo();
         }});
}

}  // namespace

void RegisterPricingOperations(Registry& registry) {
  RegisterSalePricing(registry);
  RegisterStockValuation(registry);
}

}  // namespace veiculo::cli
