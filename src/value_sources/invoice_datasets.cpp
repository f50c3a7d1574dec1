// Opening the header and the vehicle line of the current vehicle's invoices.

#include "value_sources/invoice_datasets.h"

#include "value_sources/current_vehicle.h"

namespace veiculo::value_sources {
namespace {

struct KeyColumns {
  const char* empresa;
  const char* revenda;
  const char* tipo;
  const char* numero;
  const char* serie;
  const char* contador;
};

InvoiceKey ReadKey(platform::ClientDataSet& vehicles, const KeyColumns& columns) {
  InvoiceKey key;
  key.empresa = CurrentVehicleValue(vehicles, columns.empresa).AsInteger();
  key.revenda = CurrentVehicleValue(vehicles, columns.revenda).AsInteger();
  key.tipo = CurrentVehicleValue(vehicles, columns.tipo).AsText();
  key.numero = CurrentVehicleValue(vehicles, columns.numero).AsInteger();
  key.serie = CurrentVehicleValue(vehicles, columns.serie).AsText();
  key.contador = CurrentVehicleValue(vehicles, columns.contador).AsInteger();
  return key;
}

void SetKeyParams(platform::ClientDataSet& dataset, const InvoiceKey& key) {
  dataset.ParamByName("Empresa").SetAsInteger(key.empresa);
  dataset.ParamByName("Revenda").SetAsInteger(key.revenda);
  dataset.ParamByName("Tipo").SetAsText(key.tipo);
  dataset.ParamByName("Numero").SetAsInteger(key.numero);
  dataset.ParamByName("Serie").SetAsText(key.serie);
  dataset.ParamByName("Contador").SetAsInteger(key.contador);
}

}  // namespace

InvoiceKey EntryInvoiceKey(platform::ClientDataSet& vehicles) {
  return ReadKey(vehicles, {"EMPRESA_NFENTRADA", "REVENDA_NFENTRADA", "TIPO_TRANSACAO_NFENTRADA",
                            "NUMERO_NOTA_NFENTRADA", "SERIE_NOTA_NFENTRADA", "CONTADOR_NFENTRADA"});
}

InvoiceKey ExitInvoiceKey(platform::ClientDataSet& vehicles) {
  return ReadKey(vehicles,
                 {"EMPRESA_NFSAIDA", "REVENDA_NFSAIDA", "TIPO_TRANSACAO_NFSAIDA",
                  "NUMERO_NOTA_NFSAIDA", "SERIE_NOTA_FISCAL_NFSAIDA", "CONTADOR_NFSAIDA"});
}

void OpenInvoiceHeader(platform::ClientDataSet& headers, const InvoiceKey& key) {
  headers.Close();
  SetKeyParams(headers, key);
  headers.Open();
}

void OpenInvoiceVehicleLine(platform::ClientDataSet& lines, const InvoiceKey& key,
                            const std::string& veiculo) {
  lines.Close();
  SetKeyParams(lines, key);
  lines.ParamByName("Veiculo").SetAsText(veiculo);
  lines.Open();
}

}  // namespace veiculo::value_sources
