// Stands in for the stock valuation until the pricing operations land.
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/error.h"

namespace veiculo {

DataPacket TddmVeiculoCompartilhadoBD::CalculaEstoqueIntermediario(const DataPacket&, DateTime,
                                                                   const CallbackMensagem&, bool,
                                                                   bool, bool) {
  throw Error(ErrorCategory::Validation, "stock valuation not available yet");
}

DataPacket TddmVeiculoCompartilhadoBD::AtualizaEstMedio(const DataPacket&, DateTime) {
  throw Error(ErrorCategory::Validation, "stock valuation not available yet");
}

}  // namespace veiculo
