// The intermediate stock list: every vehicle in stock of a company, and
// optionally the vehicles sold, sold directly and returned in a period and
// the maker orders, as a data packet; valued on request, with the progress
// of the valuation printed on stderr.

#include "operations/define.h"

namespace veiculo::cli {

void RegisterStockListOperations(Registry& r) {
  r.Add(Op("BuscaEstoqueIntermediario",
           "The intermediate stock list as a data packet (pfNovoUsadoTodos 0 new, 1 used, 2 all), "
           "with the period's sales and the maker orders on request, valued on request")
            .Calls(&Module::BuscaEstoqueIntermediario, "pfConexao", "pfBancoDados",
                   Text("pfDataRef", "dd/mm/yyyy [hh:nn:ss]; empty: now"),
                   Text("pfDataInicioVenda", "dd/mm/yyyy [hh:nn:ss], or empty"),
                   Text("pfDataFimVenda", "dd/mm/yyyy [hh:nn:ss], or empty"), "pfChassi",
                   "pfCodigoVeiculo", "pfAnoModelo",
                   Text("pfRevenda", "company.dealer keys separated by commas, or empty for all"),
                   "pfFamilia", "pfTransDevolucaoVenda", "pfPacotes", "pfDepartamento",
                   "pfSituacao", "pfRevendaVendas", "pfModelo", "pfNovoUsadoTodos",
                   "pfConsiderarRevenda", "cbPfMensagem", "pfListarVenda", "pfListarBonus",
                   "pfUsaPrecoEdicao", "pfUsaPrecoPacote", "pfAtualizaEstMedio", "pfListarPedido",
                   "pCalcEstoque", "pICarros"));
}

}  // namespace veiculo::cli
