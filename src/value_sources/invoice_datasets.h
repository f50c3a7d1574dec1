#pragma once
// Opening the invoice header (cdsMovimento) and the invoice vehicle line
// (cdsMovimentoVeiculo) of the current vehicle's entry or exit invoice.
//
// The invoice key is read from the vehicle row, whose columns name it by a
// suffix ("_NFENTRADA", "_NFSAIDA"). Integer key parts go to the parameters as
// integers and the transaction type and series as text; a vehicle without that
// invoice (null key columns) or no vehicle loaded at all gives 0 and empty
// text, which find no invoice. Both functions close the dataset first and
// leave it open on the rows found (possibly none).

#include <string>

#include "platform/db/client_dataset.h"

namespace veiculo::value_sources {

struct InvoiceKey {
  int64_t empresa = 0;
  int64_t revenda = 0;
  std::string tipo;
  int64_t numero = 0;
  std::string serie;
  int64_t contador = 0;
};

// The key of the vehicle's entry invoice (EMPRESA_NFENTRADA ... CONTADOR_NFENTRADA).
InvoiceKey EntryInvoiceKey(platform::ClientDataSet& vehicles);
// The key of the vehicle's exit invoice (EMPRESA_NFSAIDA ... CONTADOR_NFSAIDA;
// its series column is SERIE_NOTA_FISCAL_NFSAIDA).
InvoiceKey ExitInvoiceKey(platform::ClientDataSet& vehicles);

void OpenInvoiceHeader(platform::ClientDataSet& headers, const InvoiceKey& key);
void OpenInvoiceVehicleLine(platform::ClientDataSet& lines, const InvoiceKey& key,
                            const std::string& veiculo);

}  // namespace veiculo::value_sources
