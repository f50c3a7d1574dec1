#pragma once
// The formula line BuscaIncidencia resolves: the call's arguments, the dates
// taken from the vehicle, and the columns of VEI_FORMULA_LINHA the incidence
// codes and the amount rules read. Read once, so that the value sources the
// codes call may reopen cdsLinha (the subsidy re-reads the line's reference)
// without the resolution losing its place.

#include <cstdint>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"

namespace veiculo {

namespace platform {
class ClientDataSet;
}

namespace costing {
// Marks an absent percentage and an absent (band) fixed amount in the costing formulas.
inline constexpr double kNaoInformado = -999999999.0;
}  // namespace costing

struct TddmVeiculoCompartilhadoBDImpl::LinhaIncidencia {
  // The call.
  std::string veiculo;
  std::string formula;
  int32_t empresa = 0;
  int32_t revenda = 0;
  int32_t linha = 0;
  double percentual = 0;
  DateTime data_processamento = 0;
  bool aux = false;
  std::string tipo;

  // The vehicle's sale and factory-invoice dates, the processing date while unset.
  DateTime data_venda = 0;
  DateTime data_fat_fabrica = 0;

  // Columns of the line.
  int32_t empresa_linha = 0;
  std::string incidencia;
  double valor_fixo = 0;
  std::string calcula_issqn;
  int32_t indice = 0;
  int32_t dia = 0;
  std::string cod_bonus;
  std::string grupo_bonus;
  std::string tipo_retorno;
  std::string trans_venda_interna;
  std::string soma_icms_partilha;
  std::string nao_considerar_icms_seg_cont;

  // Reads the columns from the current row of cdsLinha.
  void LerColunas(platform::ClientDataSet& linha);
};

namespace costing {
// Opens cdsLinha on one line of a formula; false when the line does not exist.
bool AbreLinha(platform::ClientDataSet& linha, int32_t empresa, const std::string& formula,
               int32_t numero);

// Whether the amount of an incidence code moves with the module's sale value
// (dPbValorVenda): the sale itself "V", the margin "L", the PIS/COFINS "I"
// estimated on the sale, and the exit invoice's difference from the expected
// price "N". Every other code draws on amounts the sale value does not touch.
// Keep this beside the table of codes (incidence_codes.cpp).
bool IncidenciaDependeDaVenda(const std::string& codigo);
}  // namespace costing

}  // namespace veiculo
