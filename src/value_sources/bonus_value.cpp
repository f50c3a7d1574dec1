// The total value of the maker's bonuses a vehicle qualifies for: the
// eligibility engine's type-1 answer read back as a number.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/format/convert.h"

namespace veiculo {

double TddmVeiculoCompartilhadoBDImpl::BuscaValorBonus(
    const std::string& pfVeiculo, const std::string& pfChassi, const std::string& pfModelo,
    const std::string& pfEdicao, const std::string& pfPacote, const std::string& pfDataCompra,
    const std::string& pfDataVenda, int32_t pfEmpresa, int32_t pfAnoFab, int32_t pfAnoMod,
    int32_t pfPortas, const std::string& pfBonus) {
  const std::string total =
      BuscaDadosBonus(pfVeiculo, pfChassi, pfModelo, pfEdicao, pfPacote, pfDataCompra, pfDataVenda,
                      pfEmpresa, pfAnoFab, pfAnoMod, pfPortas, pfBonus, 1);
  return platform::StrToFloatDef(total, 0);
}

}  // namespace veiculo
