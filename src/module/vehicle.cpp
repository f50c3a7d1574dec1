// Reading the vehicle being costed and the lines of its costing formula into
// cdsVeiculo and cdsFormulaLinha, reusing what is already loaded.
//
// Each client dataset works in one of two ways, chosen by its parameters:
// with parameters it holds one vehicle (or one formula) and is reopened only
// when the key changes; without them the host has replaced the query by one
// that loads every row, and the dataset is positioned (vehicle) or filtered
// (formula lines) instead.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"

namespace veiculo {
namespace {

using platform::ClientDataSet;
using platform::Params;
using platform::SqlDataSet;

// A client dataset whose parameter count no longer matches its SQL dataset's
// (the host changed the query, or the declared lists differ) takes the
// parameters of the SQL dataset's text and the text itself.
void SyncParams(ClientDataSet& client, const SqlDataSet& source) {
  if (client.GetParams().Count() == source.GetParams().Count()) return;
  client.GetParams().Clear();
  client.FetchParams();
  client.CommandText = source.CommandText();
}

bool HoldsInteger(const Params& params, const char* name, int32_t wanted) {
  const Value& value = params.ParamByName(name).value;
  return !value.IsNull() && value.AsInteger() == wanted;
}

bool HoldsText(const Params& params, const char* name, const std::string& wanted) {
  const Value& value = params.ParamByName(name).value;
  return !value.IsNull() && value.AsText() == wanted;
}

// The current row's value, read as null when the dataset has no rows.
Value CurrentValue(ClientDataSet& dataset, const char* field) {
  return dataset.IsEmpty() ? Value() : dataset.FieldByName(field).AsValue();
}

bool ReadVehicle(ClientDataSet& vehicles, int32_t empresa, const std::string& veiculo) {
  if (vehicles.GetParams().Empty()) {
    // Every vehicle is loaded: position on the key of the active primary index.
    if (!vehicles.Active()) vehicles.Open();
    return vehicles.FindKey({Value::Integer(empresa), Value::Text(veiculo)});
  }
  const Params& params = vehicles.GetParams();
  if (!(vehicles.Active() && HoldsInteger(params, "Empresa", empresa) &&
        HoldsText(params, "Veiculo", veiculo))) {
    vehicles.Close();
    vehicles.ParamByName("Empresa").SetAsInteger(empresa);
    vehicles.ParamByName("Veiculo").SetAsText(veiculo);
    vehicles.Open();
  }
  return !vehicles.IsEmpty();
}

// Loads the lines of a formula and positions on its "C" line. When there is
// none, the current row stays where it was.
void ReadFormulaLines(ClientDataSet& lines, int32_t empresa, const std::string& formula) {
  if (lines.GetParams().Empty()) {
    if (!lines.Active()) lines.Open();
    lines.SetFiltered(false);
    lines.SetFilter(" EMPRESA = " + std::to_string(empresa) + " and FORMULA = '" +
                    platform::QuoteDoubled(formula) + "'");
    lines.SetFiltered(true);
    lines.Locate("EMPRESA;FORMULA;TIPO",
                 {Value::Integer(empresa), Value::Text(formula), Value::Text("C")});
    return;
  }
  const Params& params = lines.GetParams();
  if (!(lines.Active() && HoldsInteger(params, "Empresa", empresa) &&
        HoldsText(params, "Formula", formula))) {
    lines.Close();
    lines.ParamByName("Empresa").SetAsInteger(empresa);
    lines.ParamByName("Formula").SetAsText(formula);
    lines.Open();
  }
  lines.Locate("TIPO", {Value::Text("C")});
}

}  // namespace

bool TddmVeiculoCompartilhadoBDImpl::LerVeiculo(int32_t pfEmpresa, const std::string& pfVeiculo,
                                                bool /*pfUtilizaFindKey*/) {
  // The lookup mode follows the datasets' parameters, not the caller's flag.
  SyncParams(*cdsVeiculo, *sdsVeiculo);
  const bool found = ReadVehicle(*cdsVeiculo, pfEmpresa, pfVeiculo);

  // A vehicle that was not found has no formula: when every vehicle is loaded
  // the current row belongs to another one, whose formula must not be taken.
  const std::string formula =
      found ? CurrentValue(*cdsVeiculo, "FORMULA_CUSTEIO").AsText() : std::string();
  SyncParams(*cdsFormulaLinha, *sdsFormulaLinha);
  ReadFormulaLines(*cdsFormulaLinha, pfEmpresa, formula);
  iPvIndicePagamento = static_cast<int32_t>(CurrentValue(*cdsFormulaLinha, "INDICE").AsInteger());
  cdsFormulaLinha->SetFiltered(false);
  return found;
}

bool TddmVeiculoCompartilhadoBDImpl::LerVeiculoServer(int32_t pfEmpresa,
                                                      const std::string& pfVeiculo,
                                                      DataPacket& pcdsVeiculo,
                                                      DataPacket& pcdsFormulaLinha,
                                                      bool pfUtilizaFindKey) {
  const bool found = LerVeiculo(pfEmpresa, pfVeiculo, pfUtilizaFindKey);
  // A vehicle dataset that loads every vehicle is not sent whole.
  if (!cdsVeiculo->GetParams().Empty()) pcdsVeiculo = cdsVeiculo->Data();
  pcdsFormulaLinha = cdsFormulaLinha->Data();
  return found;
}

}  // namespace veiculo
