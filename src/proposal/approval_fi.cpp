// The F&I Brasil cancellation of a proposal that a managerial approval
// rejected: the service's sale of that order is cancelled with the approving
// dealer's credentials.
//
// Whether the service refuses, cannot be reached or the dealer's settings
// are missing, the rival stays rejected here and the caller is told which
// sale is still open in the F&I System, so that it can be cancelled there by
// hand; the approval itself goes on.

#include "fi_brasil/commands/fi_comandos.h"
#include "fi_brasil/fi_credentials.h"
#include "platform/soap/soap_client.h"
#include "proposal/approval.h"

namespace veiculo {

bool TddmVeiculoCompartilhadoBDImpl::CancelaVendaRival(const Aprovacao& pfAprovacao,
                                                       int32_t pfProposta) {
  platform::ComponentRuntimeScope runtime;
  fi_brasil::TCancelaVenda comando;
  try {
    CredenciaFIB(comando, pfAprovacao.empresa, pfAprovacao.revenda, fi_brasil::kSufixoVenda);
    comando.NumeroPedidoDMS = pfProposta;
    return comando.Executar();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace veiculo
