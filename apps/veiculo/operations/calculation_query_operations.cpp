// The calculation query: a vehicle's stored costing lines and the summary of
// its cost and profits for a sale value.
//
// The module fills a client dataset of the caller's; here the call owns one
// for its duration, and its rows come back in "out" as the data packet
// pfCDSFormula. A packet the user gives is loaded into it first, as a
// client's dataset would arrive, and is replaced by the call.

#include "operations/call_context.h"
#include "operations/registry.h"
#include "platform/db/client_dataset.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {

void RegisterCalculationQueryOperations(Registry& r) {
  using T = ParamType;
  r.Add({"BuscaCalculoVeiculo",
         {{"pfConexao", T::Connection},
          {"pfCDSFormula", T::DataPacket, Direction::Var},
          {"pfEmpresa", T::Integer},
          {"pfVeiculo", T::Text},
          {"pfValVenda", T::Double}},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           DataPacket& packet = c.Var<DataPacket>("pfCDSFormula");
           platform::ClientDataSet formula("cdsFormula");
           if (!packet.fields.empty()) formula.SetData(packet);
           std::string resumo =
               c.Module().BuscaCalculoVeiculo(&c.HostConnection(), formula, c.Integer("pfEmpresa"),
                                              c.Text("pfVeiculo"), c.Double("pfValVenda"));
           packet = formula.Data();
           return resumo;
         }});
}

}  // namespace veiculo::cli
