// Financing returns of the proposal and negotiation in context (iPvProposta,
// iPvNegociacao): what the dealer keeps of each return, the return less the
// commission paid on it and the income tax withheld. A proposal without
// returns gives 0; a missing amount counts as 0.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/format/convert.h"

namespace veiculo {
namespace {

double NetReturn(platform::ClientDataSet& retorno) {
  return retorno.FieldByName("VAL_RETORNO").AsFloat() -
         retorno.FieldByName("VAL_COMISSAO").AsFloat() - retorno.FieldByName("VAL_IRRF").AsFloat();
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaRetorno(int32_t pfEmpresa, int32_t pfRevenda,
                                                    const std::string& /*pfVeiculo*/) {
  platform::ClientDataSet& retornos = *cdsRetornoTotal;
  retornos.Close();
  retornos.ParamByName("Empresa").SetAsInteger(pfEmpresa);
  retornos.ParamByName("Revenda").SetAsInteger(pfRevenda);
  retornos.ParamByName("Proposta").SetAsInteger(iPvProposta);
  retornos.ParamByName("Negociacao").SetAsInteger(iPvNegociacao);
  retornos.Open();
  double total = 0;
  for (retornos.First(); !retornos.Eof(); retornos.Next()) total += NetReturn(retornos);
  retornos.Close();
  return total;
}

// The customer of a return of this type (the finance company that pays it)
// becomes the module's F&I customer.
double TddmVeiculoCompartilhadoBDImpl::BuscaRetornoLinha(int32_t pfEmpresa, int32_t pfRevenda,
                                                         const std::string& /*pfVeiculo*/,
                                                         const std::string& pfTipoRetorno) {
  platform::ClientDataSet& retornos = *cdsRetorno;
  retornos.Close();
  retornos.ParamByName("Empresa").SetAsInteger(pfEmpresa);
  retornos.ParamByName("Revenda").SetAsInteger(pfRevenda);
  retornos.ParamByName("Proposta").SetAsInteger(iPvProposta);
  retornos.ParamByName("Negociacao").SetAsInteger(iPvNegociacao);
  retornos.ParamByName("Tipo").SetAsText(pfTipoRetorno);
  retornos.Open();
  double total = 0;
  for (retornos.First(); !retornos.Eof(); retornos.Next()) {
    total += NetReturn(retornos);
    const int64_t cliente = retornos.FieldByName("CLIENTE").AsInteger();
    if (cliente > 0) sPvClienteFI = platform::IntToStr(cliente);
  }
  retornos.Close();
  return total;
}

}  // namespace veiculo
