// The calculation query: a vehicle's stored costing lines and the summary of
// its cost and profits for a sale value.
//
// The module fills a client dataset of the caller's; here the call owns one
// for its duration, and its rows come back in "out" as the data packet
// pfCDSFormula. A packet the user gives is loaded into it first, as a
// client's dataset would arrive, and is replaced by the call.

#include "operations/define.h"
#include "platform/db/client_dataset.h"

namespace veiculo::cli {

void RegisterCalculationQueryOperations(Registry& r) {
  r.Add(Op("BuscaCalculoVeiculo",
           "A vehicle's stored costing lines and the summary of its cost and profits for a sale")
            .Calls(
                [](CallContext& c, Connection* conexao, DataPacket& packet, int32_t empresa,
                   const std::string& veiculo, double venda) {
                  platform::ClientDataSet formula("cdsFormula");
                  if (!packet.fields.empty()) formula.SetData(packet);
                  std::string resumo =
                      c.Module().BuscaCalculoVeiculo(conexao, formula, empresa, veiculo, venda);
                  packet = formula.Data();
                  return resumo;
                },
                "pfConexao", "pfCDSFormula", "pfEmpresa", "pfVeiculo", "pfValVenda"));
}

}  // namespace veiculo::cli
