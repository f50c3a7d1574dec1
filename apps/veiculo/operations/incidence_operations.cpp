// The incidence resolution of costing-formula lines: a line's amount, its
// reference date and its variable percentage.
//
// A line is resolved for the vehicle it names, under its dealer's parameters,
// as the costing does: BuscaIncidencia first reads the dealer parameters and
// the vehicle, BuscaReferencia the vehicle (both kept when a script has read
// them already), so that one `veiculo call` resolves a line on its own; an
// unknown vehicle is refused (not found). The
// holders the lines draw on (sale value, financial base, ...) are set with
// their Set operations in a `veiculo run` script.

#include <string>

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/error.h"

namespace veiculo::cli {
namespace {

using T = ParamType;

// Makes pfVeiculo the module's current vehicle.
void ReadVehicle(CallContext& c) {
  const int32_t empresa = c.Integer("pfEmpresa");
  if (!c.Module().LerVeiculo(empresa, c.Text("pfVeiculo"), true)) {
    throw Error(ErrorCategory::NotFound, "vehicle '" + c.Text("pfVeiculo") +
                                             "' does not exist in company " +
                                             std::to_string(empresa));
  }
}

}  // namespace

void RegisterIncidenceOperations(Registry& r) {
  r.Add({"BuscaIncidencia",
         {{"pfVeiculo", T::Text},
          {"pfFormula", T::Text},
          {"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pfLinha", T::Integer},
          {"pfPercentual", T::Double},
          {"pfDataProcessamento", T::DateTime},
          {"pfAux", T::Boolean},
          {"pfTipo", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           c.Module().LerParametro(c.Integer("pfEmpresa"), c.Integer("pfRevenda"));
           ReadVehicle(c);
           return c.Module().BuscaIncidencia(
               c.Text("pfVeiculo"), c.Text("pfFormula"), c.Integer("pfEmpresa"),
               c.Integer("pfRevenda"), c.Integer("pfLinha"), c.Double("pfPercentual"),
               c.DateTime("pfDataProcessamento"), c.Boolean("pfAux"), c.Text("pfTipo"));
         }});
  r.Add({"BuscaReferencia",
         {{"pfVeiculo", T::Text},
          {"pfFormula", T::Text},
          {"pfEmpresa", T::Integer},
          {"pfLinha", T::Integer},
          {"pfDataProcessamento", T::DateTime}},
         {T::DateTime},
         [](CallContext& c) -> TypedValue {
           ReadVehicle(c);
           return DateTimeValue{c.Module().BuscaReferencia(
               c.Text("pfVeiculo"), c.Text("pfFormula"), c.Integer("pfEmpresa"),
               c.Integer("pfLinha"), c.DateTime("pfDataProcessamento"))};
         }});
  r.Add({"BuscaPercentualVariavel",
         {{"pfEmpresa", T::Integer},
          {"pfLinhaFormula", T::Integer},
          {"pfFormula", T::Text},
          {"pfPercHistorico", T::Double},
          {"pfPercPresente", T::Double},
          {"pfPercMargemP", T::Double},
          {"pfPercMargemH", T::Double},
          {"pfPercLucroBrutoP", T::Double},
          {"pfPercLucroBrutoH", T::Double},
          {"pfEhVariavel", T::Boolean, Direction::Out}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaPercentualVariavel(
               c.Integer("pfEmpresa"), c.Integer("pfLinhaFormula"), c.Text("pfFormula"),
               c.Double("pfPercHistorico"), c.Double("pfPercPresente"), c.Double("pfPercMargemP"),
               c.Double("pfPercMargemH"), c.Double("pfPercLucroBrutoP"),
               c.Double("pfPercLucroBrutoH"), c.Var<bool>("pfEhVariavel"));
         }});
}

}  // namespace veiculo::cli
