// The rebate on the financial base: its value carried by the index from
// pfDataInicio to pfDias days later, less its value carried to pfDataFim.
// When the first is the smaller there is no rebate (0).

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"

namespace veiculo {

double TddmVeiculoCompartilhadoBDImpl::BuscaRebate(int32_t pfEmpresa, int32_t /*pfRevenda*/,
                                                   int32_t pfIndice, int32_t pfDias,
                                                   DateTime pfDataInicio, DateTime pfDataFim) {
  const double encurtado = BuscaValorPresente(pfEmpresa, pfIndice, Base_Financeiro, pfDataInicio,
                                              pfDataInicio + pfDias, "", "");
  const double integral =
      BuscaValorPresente(pfEmpresa, pfIndice, Base_Financeiro, pfDataInicio, pfDataFim, "", "");
  const double rebate = encurtado - integral;
  return rebate < 0 ? 0 : rebate;
}

}  // namespace veiculo
