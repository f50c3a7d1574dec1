// The signed total of a vehicle's registered expenses, at historical value or
// carried to the sale date by each expense type's index.
//
// An expense type of sign "+" is a cost to the dealer and lowers the total;
// "-" (a recovery) raises it; any other sign leaves it out. The filter picks
// the expenses that count: "" all of them, "C" those that make up the
// accounting cost, "I" those of the accounting cost incurred by the processing
// date; any other filter none. The dealer argument is not read.

#include <string>
#include <vector>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "value_sources/current_vehicle.h"

namespace veiculo {
namespace {

struct Expense {
  std::string sinal;
  int32_t indice = 0;
  double valor = 0;
  double data = 0;
};

bool Taken(const std::string& filtro, platform::ClientDataSet& despesas,
           double data_processamento) {
  if (filtro.empty()) return true;
  const bool contabil = despesas.FieldByName("COMPOE_CUSTO_CONTABIL").AsText() == "S";
  if (filtro == "C") return contabil;
  if (filtro == "I") {
    return contabil &&
           despesas.FieldByName("DTA_DESPESA_VEICULO").AsDateTime() <= data_processamento;
  }
  return false;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaValorDespesas(int32_t pfEmpresa, int32_t /*pfRevenda*/,
                                                          const std::string& pfVeiculo,
                                                          const std::string& pfTipoValor,
                                                          DateTime pfDataProcessamento,
                                                          const std::string& pfFiltro) {
  // Expenses are carried to the sale, or to the processing date while unsold.
  const Value dta_venda = value_sources::CurrentVehicleValue(*cdsVeiculo, "DTA_VENDA");
  const DateTime data_venda = dta_venda.IsNull() ? pfDataProcessamento : dta_venda.AsDateTime();

  // The rows are read first: the present value opens index datasets of its own.
  std::vector<Expense> taken;
  cdsDespesa->Close();
  cdsDespesa->ParamByName("Empresa").SetAsInteger(pfEmpresa);
  cdsDespesa->ParamByName("Veiculo").SetAsText(pfVeiculo);
  cdsDespesa->Open();
  for (; !cdsDespesa->Eof(); cdsDespesa->Next()) {
    if (!Taken(pfFiltro, *cdsDespesa, pfDataProcessamento)) continue;
    taken.push_back({cdsDespesa->FieldByName("SINAL").AsText(),
                     static_cast<int32_t>(cdsDespesa->FieldByName("INDICE").AsInteger()),
                     cdsDespesa->FieldByName("VAL_DESPESA_VEICULO").AsFloat(),
                     cdsDespesa->FieldByName("DTA_DESPESA_VEICULO").AsDateTime()});
  }
  cdsDespesa->Close();

  double total = 0;
  for (const Expense& e : taken) {
    if (e.sinal != "+" && e.sinal != "-") continue;
    const double valor = pfTipoValor == "P" ? BuscaValorPresente(pfEmpresa, e.indice, e.valor,
                                                                 e.data, data_venda, "", "")
                                            : e.valor;
    total += e.sinal == "+" ? -valor : valor;
  }
  return total;
}

}  // namespace veiculo
