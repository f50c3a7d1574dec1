// The calculation query: a vehicle's stored costing lines and the summary of
// its cost and profits for a sale value.
//
// The module fills the client's dataset, the data packet pfCDSFormula, which
// comes back in "out"; a packet the user gives is replaced by the call.

#include "operations/call_context.h"
#include "operations/registry.h"
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
           return c.Module().BuscaCalculoVeiculo(
               &c.HostConnection(), c.Var<DataPacket>("pfCDSFormula"), c.Integer("pfEmpresa"),
               c.Text("pfVeiculo"), c.Double("pfValVenda"));
         }});
}

}  // namespace veiculo::cli
