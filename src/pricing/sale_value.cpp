// CalculoValorVenda: the suggested sale value of a vehicle from the source
// the caller or the dealer chooses: "1" the model registry value, "2" the
// dealer price stored on the vehicle, "3" the price that yields the
// vehicle's own profit percentage (PERCENTUAL_LUCRO) on total cost at
// present value; any other source gives 0.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"

namespace veiculo {

double TddmVeiculoCompartilhadoBDImpl::CalculoValorVenda(int32_t PEmpresa, int32_t PRevenda,
                                                         const std::string& PValorCR,
                                                         const std::string& PVeiculo,
                                                         DateTime PDataProcessamento,
                                                         bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                                         const CallbackMensagem& cbPfMensagem) {
  LerParametro(PEmpresa, PRevenda);
  // A row without a vehicle (an order not yet delivered) has no price.
  if (!LerVeiculo(PEmpresa, PVeiculo, false)) return 0;

  std::string fonte = PValorCR;
  if (fonte.empty() && cdsParametro->Active() && !cdsParametro->IsEmpty())
    fonte = cdsParametro->FieldByName("VAL_VEICULO_C_R").AsText();

  switch (fonte.empty() ? '\0' : fonte[0]) {
    case '1':
      return BuscaValorCadastroModelos(PEmpresa, PUsaPrecoEdicao, PUsaPrecoPacote, PRevenda);
    case '2':
      return cdsVeiculo->FieldByName("PRECO_CONCESSIONARIA").AsFloat();
    case '3':
      return CalculaValorCfeLucroDesejado(PEmpresa, PRevenda, PVeiculo, "L", "P",
                                          cdsVeiculo->FieldByName("PERCENTUAL_LUCRO").AsFloat(),
                                          PDataProcessamento, PUsaPrecoEdicao, PUsaPrecoPacote,
                                          cbPfMensagem, DataPacket(), false);
    default:
      return 0;
  }
}

}  // namespace veiculo
