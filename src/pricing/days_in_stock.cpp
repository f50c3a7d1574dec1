// Days in stock: how long a vehicle has stood in stock up to its sale (or,
// not sold, the processing date), from the start the dealer chooses in
// DTA_CALCULO_ESTOQUE: "1" the start of correction, "2" the factory invoice,
// "3" the entry into stock; without dealer parameters, the entry. Another
// code counts no days. A start that is not set counts from the zero date, as
// the dealer's setting asks for a date the vehicle lacks.

#include <climits>
#include <string>

#include "platform/db/client_dataset.h"
#include "platform/format/date_time.h"
#include "pricing/stock_rows.h"
#include "veiculo/error.h"

namespace veiculo {

int32_t TddmVeiculoCompartilhadoBDImpl::CalculoDiasEstoque(int32_t PEmpresa,
                                                           const std::string& PVeiculo,
                                                           DateTime PDataProcessamento) {
  // The vehicle named is the one measured (reading it again costs nothing
  // when it is already the current one).
  if (!LerVeiculo(PEmpresa, PVeiculo, false))
    throw Error(ErrorCategory::NotFound, "CalculoDiasEstoque: vehicle '" + PVeiculo +
                                             "' of company " + std::to_string(PEmpresa) +
                                             " not found");
  platform::ClientDataSet& v = *cdsVeiculo;
  const DateTime fim = v.FieldByName("DTA_VENDA").IsNull()
                           ? PDataProcessamento
                           : v.FieldByName("DTA_VENDA").AsDateTime();

  const char* coluna = "DTA_ENTRADA";
  if (cdsParametro->Active() && !cdsParametro->IsEmpty()) {
    const std::string regra = cdsParametro->FieldByName("DTA_CALCULO_ESTOQUE").AsText();
    switch (regra.empty() ? '\0' : regra[0]) {
      case '1':
        coluna = "DTA_INICIO_CORRECAO";
        break;
      case '2':
        coluna = "DTA_FAT_FABRICA";
        break;
      case '3':
        coluna = "DTA_ENTRADA";
        break;
      default:
        return 0;
    }
  }
  return platform::DaysBetween(v.FieldByName(coluna).AsDateTime(), fim);
}

DataPacket TddmVeiculoCompartilhadoBDImpl::AtualizaEstMedio(const DataPacket& pData,
                                                            DateTime pDataProcessamento) {
  platform::ClientDataSet dados("cdsEstMedio");
  dados.SetData(pData);
  pricing::VerificaColunas(dados, "AtualizaEstMedio",
                           {"EMPRESA", "REVENDA", "VEICULO", "CONTABIL", "TRANSITO", "EST_MEDIO"});

  int32_t empresa_ant = INT32_MIN, revenda_ant = INT32_MIN;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    if (dados.FieldByName("CONTABIL").AsInteger() != 1 &&
        dados.FieldByName("TRANSITO").AsInteger() != 1)
      continue;
    LeLinhaEstoque(dados, empresa_ant, revenda_ant);
    dados.Edit();
    dados.FieldByName("EST_MEDIO")
        .SetAsInteger(
            CalculoDiasEstoque(static_cast<int32_t>(dados.FieldByName("EMPRESA").AsInteger()),
                               dados.FieldByName("VEICULO").AsText(), pDataProcessamento));
    dados.Post();
  }
  return dados.Data();
}

}  // namespace veiculo
