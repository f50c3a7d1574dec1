// Proposal support: proposal lookups, user messages, frozen optional values,
// the trade-in over-allowance and contact updates.

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {

void RegisterProposalOperations(Registry& r) {
  using T = ParamType;
  constexpr Direction kVar = Direction::Var;
  constexpr Direction kOut = Direction::Out;
  const ParamSpec empresa{"pfEmpresa", T::Integer};
  const ParamSpec revenda{"pfRevenda", T::Integer};
  const ParamSpec proposta{"pfProposta", T::Integer};

  r.Add({"GravaMensagem",
         {{"pfDataProcessamento", T::DateTime},
          empresa,
          revenda,
          {"pfUsuarioOri", T::Integer},
          {"pfUsuarioDes", T::Integer},
          proposta,
          {"pfAssunto", T::Text},
          {"pfMensagem", T::Text}},
         {},
         [](CallContext& c) -> TypedValue {
           c.Module().GravaMensagem(c.DateTime("pfDataProcessamento"), c.Integer("pfEmpresa"),
                                    c.Integer("pfRevenda"), c.Integer("pfUsuarioOri"),
                                    c.Integer("pfUsuarioDes"), c.Integer("pfProposta"),
                                    c.Text("pfAssunto"), c.Text("pfMensagem"));
           return {};
         }});
  r.Add({"BuscaProposta",
         {empresa,
          {"pfRevenda", T::Integer, kVar},
          {"pfVeiculo", T::Text},
          {"pfCliente", T::Integer}},
         {T::Integer},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaProposta(c.Integer("pfEmpresa"), c.Var<int32_t>("pfRevenda"),
                                           c.Text("pfVeiculo"), c.Integer("pfCliente"));
         }});
  r.Add({"BuscaDadosProposta",
         {empresa,
          revenda,
          proposta,
          {"pfContato", T::Integer, kOut},
          {"pfCliente", T::Integer, kOut},
          {"pfVeiculo", T::Text, kOut},
          {"pfPropostaFIB", T::Integer, kOut},
          {"pfTipoVenda", T::Text, kOut}},
         {},
         [](CallContext& c) -> TypedValue {
           c.Module().BuscaDadosProposta(
               c.Integer("pfEmpresa"), c.Integer("pfRevenda"), c.Integer("pfProposta"),
               c.Var<int32_t>("pfContato"), c.Var<int32_t>("pfCliente"),
               c.Var<std::string>("pfVeiculo"), c.Var<int32_t>("pfPropostaFIB"),
               c.Var<std::string>("pfTipoVenda"));
           return {};
         }});
  r.Add({"BuscaSituacaoProposta",
         {empresa, revenda, proposta, {"pfDescricao", T::Text, kVar}},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaSituacaoProposta(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                                   c.Integer("pfProposta"),
                                                   c.Var<std::string>("pfDescricao"));
         }});
  r.Add({"BuscaNegociacao",
         {empresa, revenda, proposta},
         {T::Integer},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaNegociacao(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                             c.Integer("pfProposta"));
         }});
  r.Add({"BuscaRevendaProposta",
         {empresa, proposta, {"pfVeiculo", T::Text}},
         {T::Integer},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaRevendaProposta(c.Integer("pfEmpresa"), c.Integer("pfProposta"),
                                                  c.Text("pfVeiculo"));
         }});
  r.Add({"BuscaAcessoriosProposta",
         {{"pfConexao", T::Connection}, empresa, revenda, proposta, {"pfNegociacao", T::Integer}},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaAcessoriosProposta(
               &c.HostConnection(), c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
               c.Integer("pfProposta"), c.Integer("pfNegociacao"));
         }});
  r.Add({"BuscaUsuarioVendedor",
         {empresa, revenda, proposta},
         {T::Integer},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaUsuarioVendedor(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                                  c.Integer("pfProposta"));
         }});
  r.Add({"BuscaFornecedor",
         {empresa, revenda, proposta, {"pfTipo", T::Text}},
         {T::Integer},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaFornecedor(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                             c.Integer("pfProposta"), c.Text("pfTipo"));
         }});
  r.Add({"CongelaValoresDaProposta",
         {{"pfChassi", T::Text}, empresa, revenda, proposta},
         {},
         [](CallContext& c) -> TypedValue {
           c.Module().CongelaValoresDaProposta(c.Text("pfChassi"), c.Integer("pfEmpresa"),
                                               c.Integer("pfRevenda"), c.Integer("pfProposta"));
           return {};
         }});
  r.Add({"GravaDiferencaAvaliacaoSaida",
         {{"pfBancoDados", T::Text},
          {"pfDataProcessamento", T::Text},
          empresa,
          revenda,
          proposta,
          {"pfNegociacao", T::Integer},
          {"pfDifAvaliacaoSaida", T::Integer}},
         {T::Boolean},
         [](CallContext& c) -> TypedValue {
           return c.Module().GravaDiferencaAvaliacaoSaida(
               c.Text("pfBancoDados"), c.Text("pfDataProcessamento"), c.Integer("pfEmpresa"),
               c.Integer("pfRevenda"), c.Integer("pfProposta"), c.Integer("pfNegociacao"),
               c.Integer("pfDifAvaliacaoSaida"));
         }});
  r.Add({"AtualizaContato",
         {empresa,
          revenda,
          {"pfContato", T::Integer},
          proposta,
          {"pfSituacao", T::Text},
          {"pfFormaContato", T::Text}},
         {},
         [](CallContext& c) -> TypedValue {
           c.Module().AtualizaContato(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                      c.Integer("pfContato"), c.Integer("pfProposta"),
                                      c.Text("pfSituacao"), c.Text("pfFormaContato"));
           return {};
         }});
  r.Add({"BuscaStatusLeads",
         {empresa,
          revenda,
          {"pfDataContato", T::DateTime},
          {"pfStatusAtual", T::Integer},
          {"pfDataReferencia", T::DateTime}},
         {T::Integer},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaStatusLeads(
               c.Integer("pfEmpresa"), c.Integer("pfRevenda"), c.DateTime("pfDataContato"),
               c.Integer("pfStatusAtual"), c.DateTime("pfDataReferencia"));
         }});
}

}  // namespace veiculo::cli
