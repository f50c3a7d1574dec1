// The intermediate stock list: every vehicle in stock of a company, and
// optionally the vehicles sold, sold directly and returned in a period and
// the maker orders, as a data packet; valued on request, with the progress
// of the valuation printed on stderr.

#include <string>

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {

void RegisterStockListOperations(Registry& r) {
  using T = ParamType;
  r.Add({"BuscaEstoqueIntermediario",
         {{"pfConexao", T::Connection},
          {"pfBancoDados", T::Text},
          {"pfDataRef", T::Text},
          {"pfDataInicioVenda", T::Text},
          {"pfDataFimVenda", T::Text},
          {"pfChassi", T::Text},
          {"pfCodigoVeiculo", T::Text},
          {"pfAnoModelo", T::Text},
          {"pfRevenda", T::Text},
          {"pfFamilia", T::Text},
          {"pfTransDevolucaoVenda", T::Text},
          {"pfPacotes", T::Text},
          {"pfDepartamento", T::Text},
          {"pfSituacao", T::Text},
          {"pfRevendaVendas", T::Text},
          {"pfModelo", T::Text},
          {"pfNovoUsadoTodos", T::Integer},
          {"pfConsiderarRevenda", T::Integer},
          {"cbPfMensagem", T::Callback},
          {"pfListarVenda", T::Boolean},
          {"pfListarBonus", T::Boolean},
          {"pfUsaPrecoEdicao", T::Boolean},
          {"pfUsaPrecoPacote", T::Boolean},
          {"pfAtualizaEstMedio", T::Boolean},
          {"pfListarPedido", T::Boolean},
          {"pCalcEstoque", T::Boolean},
          {"pICarros", T::Boolean}},
         {T::DataPacket},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaEstoqueIntermediario(
               &c.HostConnection(), c.Text("pfBancoDados"), c.Text("pfDataRef"),
               c.Text("pfDataInicioVenda"), c.Text("pfDataFimVenda"), c.Text("pfChassi"),
               c.Text("pfCodigoVeiculo"), c.Text("pfAnoModelo"), c.Text("pfRevenda"),
               c.Text("pfFamilia"), c.Text("pfTransDevolucaoVenda"), c.Text("pfPacotes"),
               c.Text("pfDepartamento"), c.Text("pfSituacao"), c.Text("pfRevendaVendas"),
               c.Text("pfModelo"), c.Integer("pfNovoUsadoTodos"), c.Integer("pfConsiderarRevenda"),
               [&c](const std::string& mensagem) { c.Progress(mensagem); },
               c.Boolean("pfListarVenda"), c.Boolean("pfListarBonus"),
               c.Boolean("pfUsaPrecoEdicao"), c.Boolean("pfUsaPrecoPacote"),
               c.Boolean("pfAtualizaEstMedio"), c.Boolean("pfListarPedido"),
               c.Boolean("pCalcEstoque"), c.Boolean("pICarros"));
         }});
}

}  // namespace veiculo::cli
