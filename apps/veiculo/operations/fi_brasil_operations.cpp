// F&I Brasil sale lifecycle: service status, sale start, open sales, a sale's
// state, reopening, invoicing and its cancellation, closing confirmation.
// Each calls the F&I Brasil services and answers "OK" or the service's status
// code and message.

#include "operations/define.h"

namespace veiculo::cli {

void RegisterFiBrasilOperations(Registry& r) {
  r.Add(Op("StatusFIB", "Whether the dealer's F&I Brasil services answer")
            .Calls(&Module::StatusFIB, "pfEmpresa", "pfRevenda"));
  r.Add(Op("IniciaVendaFIB",
           "Starts the F&I sale of a proposal's vehicle for a value (the envelope is kept in "
           "FiBrasil.xml)")
            .Calls(&Module::IniciaVendaFIB, "pfEmpresa", "pfRevenda", "pfProposta", "pfVeiculo",
                   "pfValor"));
  r.Add(Op("VendasAndamentoFIB", "The dealer's F&I sales in progress")
            .Calls(&Module::VendasAndamentoFIB, "pfEmpresa", "pfRevenda"));
  r.Add(Op("StatusVendaFIB", "The F&I state of a proposal's sale")
            .Calls(&Module::StatusVendaFIB, "pfEmpresa", "pfRevenda", "pfProposta"));
  r.Add(Op("ReabrirVendaFIB", "Reopens an F&I sale")
            .Calls(&Module::ReabrirVendaFIB, "pfEmpresa", "pfRevenda", "pfPropostaFIB"));
  r.Add(Op("FaturaPedido", "Tells F&I Brasil a proposal was invoiced with an invoice number")
            .Calls(&Module::FaturaPedido, "pfEmpresa", "pfRevenda", "pfProposta", "pfNota",
                   Date("pfDataProcessamento")));
  r.Add(Op("CancelaFaturamento", "Tells F&I Brasil a proposal's invoice was cancelled")
            .Calls(&Module::CancelaFaturamento, "pfEmpresa", "pfRevenda", "pfProposta", "pfNota"));
  r.Add(Op("FechaVendaConfirmadaFIB",
           "Confirms the closing of an F&I sale with its status and the vehicle's chassis")
            .Calls(&Module::FechaVendaConfirmadaFIB, "pfEmpresa", "pfRevenda", "pfProposta",
                   "pfPropostaFIB", "pfStatus", "pfChassi"));
}

}  // namespace veiculo::cli
