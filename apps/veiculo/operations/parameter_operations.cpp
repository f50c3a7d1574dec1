// Dealer parameters, function rights, the dealer's brand and the vehicle with
// its costing formula.

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {

void RegisterParameterOperations(Registry& r) {
  using T = ParamType;
  constexpr Direction kVar = Direction::Var;
  r.Add({"LerParametro",
         {{"pfEmpresa", T::Integer}, {"pfRevenda", T::Integer}},
         {T::Boolean},
         [](CallContext& c) -> TypedValue {
           return c.Module().LerParametro(c.Integer("pfEmpresa"), c.Integer("pfRevenda"));
         }});
  r.Add({"LerParametroServer",
         {{"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pcdsParametro", T::DataPacket, kVar},
          {"pcdsRevenda", T::DataPacket, kVar},
          {"pUB", T::Integer, kVar},
          {"pUF", T::Integer, kVar},
          {"pPis_Cofins", T::Double, kVar}},
         {T::Boolean},
         [](CallContext& c) -> TypedValue {
           return c.Module().LerParametroServer(
               c.Integer("pfEmpresa"), c.Integer("pfRevenda"), c.Var<DataPacket>("pcdsParametro"),
               c.Var<DataPacket>("pcdsRevenda"), c.Var<int32_t>("pUB"), c.Var<int32_t>("pUF"),
               c.Var<double>("pPis_Cofins"));
         }});
  r.Add({"BuscaCdsParametro", {}, {T::DataPacket, T::Integer}, [](CallContext& c) -> TypedValue {
           auto result = c.Module().BuscaCdsParametro();
           if (auto* packet = std::get_if<DataPacket>(&result)) return std::move(*packet);
           return std::get<int32_t>(result);
         }});
  r.Add({"PermissaoFuncao",
         {{"pfUsuario", T::Integer}, {"pfFuncao", T::Integer}},
         {T::Boolean},
         [](CallContext& c) -> TypedValue {
           return c.Module().PermissaoFuncao(c.Integer("pfUsuario"), c.Integer("pfFuncao"));
         }});
  r.Add({"BuscaMarca",
         {{"pfEmpresa", T::Integer}, {"pfRevenda", T::Integer}},
         {},
         [](CallContext& c) -> TypedValue {
           c.Module().BuscaMarca(c.Integer("pfEmpresa"), c.Integer("pfRevenda"));
           return {};
         }});
  r.Add({"LerVeiculo",
         {{"pfEmpresa", T::Integer}, {"pfVeiculo", T::Text}, {"pfUtilizaFindKey", T::Boolean}},
         {T::Boolean},
         [](CallContext& c) -> TypedValue {
           return c.Module().LerVeiculo(c.Integer("pfEmpresa"), c.Text("pfVeiculo"),
                                        c.Boolean("pfUtilizaFindKey"));
         }});
  r.Add({"LerVeiculoServer",
         {{"pfEmpresa", T::Integer},
          {"pfVeiculo", T::Text},
          {"pcdsVeiculo", T::DataPacket, kVar},
          {"pcdsFormulaLinha", T::DataPacket, kVar},
          {"pfUtilizaFindKey", T::Boolean}},
         {T::Boolean},
         [](CallContext& c) -> TypedValue {
           return c.Module().LerVeiculoServer(
               c.Integer("pfEmpresa"), c.Text("pfVeiculo"), c.Var<DataPacket>("pcdsVeiculo"),
               c.Var<DataPacket>("pcdsFormulaLinha"), c.Boolean("pfUtilizaFindKey"));
         }});
}

}  // namespace veiculo::cli
