// The maker's bonuses, financing subsidies, rebates, financing returns and the
// salesperson's commission.

#include <string>
#include <vector>

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

using T = ParamType;

// The vehicle and dates BuscaDadosBonus and BuscaValorBonus share, in their order.
std::vector<ParamSpec> BonusParams() {
  return {{"pfVeiculo", T::Text},   {"pfChassi", T::Text},     {"pfModelo", T::Text},
          {"pfEdicao", T::Text},    {"pfPacote", T::Text},     {"pfDataCompra", T::Text},
          {"pfDataVenda", T::Text}, {"pfEmpresa", T::Integer}, {"pfAnoFab", T::Integer},
          {"pfAnoMod", T::Integer}, {"pfPortas", T::Integer},  {"pfBonus", T::Text}};
}

}  // namespace

void RegisterBonusOperations(Registry& r) {
  std::vector<ParamSpec> dados = BonusParams();
  dados.push_back({"pfTipo", T::Integer});
  r.Add({"BuscaDadosBonus", dados, {T::Text}, [](CallContext& c) -> TypedValue {
           return c.Module().BuscaDadosBonus(
               c.Text("pfVeiculo"), c.Text("pfChassi"), c.Text("pfModelo"), c.Text("pfEdicao"),
               c.Text("pfPacote"), c.Text("pfDataCompra"), c.Text("pfDataVenda"),
               c.Integer("pfEmpresa"), c.Integer("pfAnoFab"), c.Integer("pfAnoMod"),
               c.Integer("pfPortas"), c.Text("pfBonus"), c.Integer("pfTipo"));
         }});
  r.Add({"BuscaValorBonus", BonusParams(), {T::Double}, [](CallContext& c) -> TypedValue {
           return c.Module().BuscaValorBonus(
               c.Text("pfVeiculo"), c.Text("pfChassi"), c.Text("pfModelo"), c.Text("pfEdicao"),
               c.Text("pfPacote"), c.Text("pfDataCompra"), c.Text("pfDataVenda"),
               c.Integer("pfEmpresa"), c.Integer("pfAnoFab"), c.Integer("pfAnoMod"),
               c.Integer("pfPortas"), c.Text("pfBonus"));
         }});
  r.Add({"BuscaSubsidios",
         {{"pfEmpresa", T::Integer},
          {"pfDias", T::Integer},
          {"pfLinha", T::Integer},
          {"pfIndice", T::Integer},
          {"pfFormula", T::Text},
          {"pfVeiculo", T::Text},
          {"pfSubsidio", T::Text},
          {"pfDataProcessamento", T::DateTime}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaSubsidios(
               c.Integer("pfEmpresa"), c.Integer("pfDias"), c.Integer("pfLinha"),
               c.Integer("pfIndice"), c.Text("pfFormula"), c.Text("pfVeiculo"),
               c.Text("pfSubsidio"), c.DateTime("pfDataProcessamento"));
         }});
  r.Add({"BuscaRebate",
         {{"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pfIndice", T::Integer},
          {"pfDias", T::Integer},
          {"pfDataInicio", T::DateTime},
          {"pfDataFim", T::DateTime}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaRebate(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                         c.Integer("pfIndice"), c.Integer("pfDias"),
                                         c.DateTime("pfDataInicio"), c.DateTime("pfDataFim"));
         }});
  r.Add({"BuscaRetorno",
         {{"pfEmpresa", T::Integer}, {"pfRevenda", T::Integer}, {"pfVeiculo", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaRetorno(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                          c.Text("pfVeiculo"));
         }});
  r.Add({"BuscaRetornoLinha",
         {{"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pfVeiculo", T::Text},
          {"pfTipoRetorno", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaRetornoLinha(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                               c.Text("pfVeiculo"), c.Text("pfTipoRetorno"));
         }});
  r.Add({"BuscaComissaoVendedor",
         {{"pfEmpresa", T::Integer}, {"pfRevenda", T::Integer}, {"pfVeiculo", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaComissaoVendedor(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                                   c.Text("pfVeiculo"));
         }});
}

}  // namespace veiculo::cli
