// F&I Brasil sale lifecycle: service status, sale start, open sales, a sale's
// state, reopening, invoicing and its cancellation, closing confirmation.

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {

void RegisterFiBrasilOperations(Registry& r) {
  using T = ParamType;
  const ParamSpec empresa{"pfEmpresa", T::Integer};
  const ParamSpec revenda{"pfRevenda", T::Integer};
  const ParamSpec proposta{"pfProposta", T::Integer};
  const ParamSpec proposta_fib{"pfPropostaFIB", T::Integer};
  const ParamSpec nota{"pfNota", T::Integer};

  r.Add({"StatusFIB", {empresa, revenda}, {T::Text}, [](CallContext& c) -> TypedValue {
           return c.Module().StatusFIB(c.Integer("pfEmpresa"), c.Integer("pfRevenda"));
         }});
  r.Add({"IniciaVendaFIB",
         {empresa, revenda, proposta, {"pfVeiculo", T::Text}, {"pfValor", T::Double}},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           return c.Module().IniciaVendaFIB(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                            c.Integer("pfProposta"), c.Text("pfVeiculo"),
                                            c.Double("pfValor"));
         }});
  r.Add({"VendasAndamentoFIB", {empresa, revenda}, {T::Text}, [](CallContext& c) -> TypedValue {
           return c.Module().VendasAndamentoFIB(c.Integer("pfEmpresa"), c.Integer("pfRevenda"));
         }});
  r.Add({"StatusVendaFIB",
         {empresa, revenda, proposta},
         {T::Integer},
         [](CallContext& c) -> TypedValue {
           return c.Module().StatusVendaFIB(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                            c.Integer("pfProposta"));
         }});
  r.Add({"ReabrirVendaFIB",
         {empresa, revenda, proposta_fib},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           return c.Module().ReabrirVendaFIB(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                             c.Integer("pfPropostaFIB"));
         }});
  r.Add({"FaturaPedido",
         {empresa, revenda, proposta, nota, {"pfDataProcessamento", T::DateTime}},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           return c.Module().FaturaPedido(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                          c.Integer("pfProposta"), c.Integer("pfNota"),
                                          c.DateTime("pfDataProcessamento"));
         }});
  r.Add({"CancelaFaturamento",
         {empresa, revenda, proposta, nota},
         {T::Text},
         [](CallContext& c) -> TypedValue {
           return c.Module().CancelaFaturamento(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                                c.Integer("pfProposta"), c.Integer("pfNota"));
         }});
  r.Add(
      {"FechaVendaConfirmadaFIB",
       {empresa, revenda, proposta, proposta_fib, {"pfStatus", T::Integer}, {"pfChassi", T::Text}},
       {T::Text},
       [](CallContext& c) -> TypedValue {
         return c.Module().FechaVendaConfirmadaFIB(
             c.Integer("pfEmpresa"), c.Integer("pfRevenda"), c.Integer("pfProposta"),
             c.Integer("pfPropostaFIB"), c.Integer("pfStatus"), c.Text("pfChassi"));
       }});
}

}  // namespace veiculo::cli
