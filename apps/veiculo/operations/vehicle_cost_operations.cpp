// The vehicle cost: a vehicle costed from its formula and stored, its
// accounting cost and the cost adjustments posted on it.
//
// CalculoCustoVeiculo binds the connection and reads the dealer and the
// vehicle itself. CalculaCustoContabil works on the formula lines the module
// holds, so the host first reads the dealer parameters and the vehicle (an
// unknown vehicle is refused, not found), as a costing would have; the
// percentages the lines hold then are the formula's own.

#include <string>

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/error.h"

namespace veiculo::cli {

void RegisterVehicleCostOperations(Registry& r) {
  using T = ParamType;
  r.Add({"CalculoCustoVeiculo",
         {{"pfConexao", T::Connection},
          {"pfBancoDados", T::Text},
          {"pfVeiculo", T::Text},
          {"pfDataRef", T::DateTime},
          {"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pfProposta", T::Integer},
          {"pfNegociacao", T::Integer}},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculoCustoVeiculo(
               &c.HostConnection(), c.Text("pfBancoDados"), c.Text("pfVeiculo"),
               c.DateTime("pfDataRef"), c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
               c.Integer("pfProposta"), c.Integer("pfNegociacao"));
         }});
  r.Add({"CalculaCustoContabil",
         {{"PEmpresa", T::Integer},
          {"PRevenda", T::Integer},
          {"PVeiculo", T::Text},
          {"PFormula", T::Text},
          {"PDataProcessamento", T::DateTime},
          {"PTipo", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           const int32_t empresa = c.Integer("PEmpresa");
           c.Module().LerParametro(empresa, c.Integer("PRevenda"));
           if (!c.Module().LerVeiculo(empresa, c.Text("PVeiculo"), true))
             throw Error(ErrorCategory::NotFound, "vehicle '" + c.Text("PVeiculo") +
                                                      "' does not exist in company " +
                                                      std::to_string(empresa));
           return c.Module().CalculaCustoContabil(
               empresa, c.Integer("PRevenda"), c.Text("PVeiculo"), c.Text("PFormula"),
               c.DateTime("PDataProcessamento"), c.Text("PTipo"));
         }});
  r.Add({"BuscaAjustes",
         {{"pfVeiculo", T::Text}, {"pfDataProcessamento", T::DateTime}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaAjustes(c.Text("pfVeiculo"), c.DateTime("pfDataProcessamento"));
         }});
}

}  // namespace veiculo::cli
