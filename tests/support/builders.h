#pragma once
// Rows that several test folders seed, for company 1. Each builder writes the
// columns a row needs to be found (its key and the links the module joins on)
// and takes only what differs: the extra columns given are added, or replace
// a default of the same name.

#include <string>
#include <utility>
#include <vector>

#include "support/rows.h"
#include "support/values.h"

namespace veiculo::testing {

// A dealer (GER_REVENDA) and its vehicle parameters (VEI_PARAMETRO).
void AddDealer(Connection& c, int revenda, const Columns& more = {});
void AddParameters(Connection& c, int revenda, const Columns& more = {});

// A model (VEI_MODELO).
void AddModel(Connection& c, const std::string& modelo, const Columns& more = {});

// A vehicle of model M1 and formula F1 (VEI_VEICULO) with its follow-up record
// (OFI_FICHA_SEGUIMENTO), joined by chassis as the module reads them.
void AddVehicle(Connection& c, const std::string& veiculo, const std::string& chassi,
                const Columns& more = {}, const Columns& record = {});

// An invoice: series "U", counter 1.
struct Invoice {
  int revenda;
  int numero;
  std::string tipo;  // transaction type, e.g. "E51"
};
Columns KeyOf(const Invoice& nf);
// Its header (FAT_MOVIMENTO_CAPA) and one vehicle line (FAT_MOVIMENTO_VEICULO).
void AddInvoice(Connection& c, const Invoice& nf, const Columns& more = {});
void AddInvoiceVehicle(Connection& c, const Invoice& nf, const std::string& veiculo,
                       const Columns& more = {});
// The six vehicle columns pointing at its entry, exit or freight invoice.
Columns EntryInvoiceOf(const Invoice& nf);
Columns ExitInvoiceOf(const Invoice& nf);
Columns FreightInvoiceOf(const Invoice& nf);

// A financial index (FIN_INDICE_FINANCEIRO, period "D" daily or "M" monthly)
// and its values as {date, value} (FIN_VALOR_INDICE).
using IndexValues = std::vector<std::pair<double, double>>;
void AddIndex(Connection& c, int indice, const std::string& periodo, const IndexValues& values,
              const Columns& more = {});
void AddIndexValues(Connection& c, int indice, const IndexValues& values);

// A proposal (VEI_PROPOSTA), one of its negotiations (VEI_NEGOCIACAO) and a
// payment of a negotiation (VEI_PAGAMENTO).
void AddProposal(Connection& c, int revenda, int proposta, const Columns& more = {});
void AddNegotiation(Connection& c, int revenda, int proposta, int negociacao,
                    const Columns& more = {});
void AddPayment(Connection& c, int revenda, int proposta, int negociacao, int numero,
                const Columns& more = {});

}  // namespace veiculo::testing
