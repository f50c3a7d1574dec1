// The cost value sources: entry and exit invoice values, present value and
// the model registry's values.
//
// The invoice values and the registry value read the vehicle the module is
// working on: in a `veiculo run` script, call LerVeiculo first. Without a
// current vehicle they give the values of a vehicle without invoices or
// prices: 0.

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

void RegisterInvoiceOperations(Registry& r) {
  using T = ParamType;
  r.Add({"BuscaValorNotaEntrada",
         {{"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pfIncidencia", T::Text},
          {"PDataProcessamento", T::DateTime}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaValorNotaEntrada(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                                   c.Text("pfIncidencia"),
                                                   c.DateTime("PDataProcessamento"));
         }});
  r.Add({"BuscaValorNotaSaida",
         {{"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pfIdentificacao", T::Text},
          {"pfSomarICMSPartRemeDest", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaValorNotaSaida(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                                 c.Text("pfIdentificacao"),
                                                 c.Text("pfSomarICMSPartRemeDest"));
         }});
}

void RegisterPresentValueOperations(Registry& r) {
  using T = ParamType;
  r.Add({"BuscaValorPresente",
         {{"pfEmpresa", T::Integer},
          {"pfIndice", T::Integer},
          {"pfValor", T::Double},
          {"pfData1", T::DateTime},
          {"pfData2", T::DateTime},
          {"pfIncidencia", T::Text},
          {"veiculo", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaValorPresente(c.Integer("pfEmpresa"), c.Integer("pfIndice"),
                                                c.Double("pfValor"), c.DateTime("pfData1"),
                                                c.DateTime("pfData2"), c.Text("pfIncidencia"),
                                                c.Text("veiculo"));
         }});
  r.Add({"CalculaValorPresente",
         {{"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pfIndice", T::Integer},
          {"pfIncidencia", T::Text},
          {"pfVeiculo", T::Text},
          {"pfValor", T::Double},
          {"pfData1", T::DateTime},
          {"pfData2", T::DateTime}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().CalculaValorPresente(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                                  c.Integer("pfIndice"), c.Text("pfIncidencia"),
                                                  c.Text("pfVeiculo"), c.Double("pfValor"),
                                                  c.DateTime("pfData1"), c.DateTime("pfData2"));
         }});
}

void RegisterRegistryValueOperations(Registry& r) {
  using T = ParamType;
  r.Add({"BuscaValorCadastroModelos",
         {{"PEmpresa", T::Integer},
          {"PUsaPrecoEdicao", T::Boolean},
          {"PUsaPrecoPacote", T::Boolean},
          {"PRevenda", T::Integer}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaValorCadastroModelos(
               c.Integer("PEmpresa"), c.Boolean("PUsaPrecoEdicao"), c.Boolean("PUsaPrecoPacote"),
               c.Integer("PRevenda"));
         }});
  r.Add({"BuscaValorEdicao",
         {{"PEmpresa", T::Integer},
          {"PModelo", T::Text},
          {"PTipoPintura", T::Text},
          {"PEdicao", T::Text},
          {"PAnoModelo", T::Integer}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaValorEdicao(c.Integer("PEmpresa"), c.Text("PModelo"),
                                              c.Text("PTipoPintura"), c.Text("PEdicao"),
                                              c.Integer("PAnoModelo"));
         }});
  r.Add({"BuscaValorPacote",
         {{"PEmpresa", T::Integer},
          {"PPacote", T::Text},
          {"pAnomodelo", T::Integer},
          {"pTipoPintura", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscaValorPacote(c.Integer("PEmpresa"), c.Text("PPacote"),
                                              c.Integer("pAnomodelo"), c.Text("pTipoPintura"));
         }});
  r.Add({"SomaOpcionais",
         {{"pfEmpresa", T::Integer}, {"pfConsideraOpc", T::Text}, {"pfChassi", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().SomaOpcionais(c.Integer("pfEmpresa"), c.Text("pfConsideraOpc"),
                                           c.Text("pfChassi"));
         }});
  r.Add({"BuscarValorFichaGama",
         {{"Empresa", T::Integer}, {"Modelo", T::Text}, {"Chassi", T::Text}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           return c.Module().BuscarValorFichaGama(c.Integer("Empresa"), c.Text("Modelo"),
                                                  c.Text("Chassi"));
         }});
  r.Add({"UtilizaNissanDI",
         {{"pfEmpresa", T::Text}, {"pfRevenda", T::Text}},
         {T::Boolean},
         [](CallContext& c) -> TypedValue {
           return c.Module().UtilizaNissanDI(c.Text("pfEmpresa"), c.Text("pfRevenda"));
         }});
  r.Add({"SituacoesVeiculoEstoqueDisponivelVenda",
         {{"pfSituacao", T::Text}},
         {T::Boolean},
         [](CallContext& c) -> TypedValue {
           return c.Module().SituacoesVeiculoEstoqueDisponivelVenda(c.Text("pfSituacao"));
         }});
}

}  // namespace

void RegisterValueSourceOperations(Registry& r) {
  RegisterInvoiceOperations(r);
  RegisterPresentValueOperations(r);
  RegisterRegistryValueOperations(r);
}

}  // namespace veiculo::cli
