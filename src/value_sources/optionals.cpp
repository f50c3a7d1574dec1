// The value of a vehicle's optionals: each optional fitted to the chassis
// (OFI_FICHA_OPCIONAL) at its own frozen value, else the value of the model
// edition of the vehicle's model year, else the model's value.
//
// The stock valuation loads the sums of many chassis at once into
// cdsPvOpcionais (CHASSI, VAL_OPC); while that cache is open it answers
// instead of the database.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "value_sources/current_vehicle.h"

namespace veiculo {
namespace {

constexpr char kSqlSomaOpcionais[] =
    "select sum(coalesce(o.val_opcional, e.val_opcional, m.val_opcional)) VAL_OPC from "
    "ofi_ficha_opcional o inner join ofi_ficha_seguimento f on (f.chassi = o.chassi) inner join "
    "vei_opcional_modelo m on (m.empresa = o.empresa and m.modelo = o.modelo and m.opcional = "
    "o.opcional) left outer join vei_opcional_modelo_edicao e on (e.empresa = m.empresa and "
    "e.modelo = m.modelo and e.opcional = m.opcional and e.ano_modelo = f.ano_modelo and e.edicao "
    "= f.edicao) where o.EMPRESA = f.EMPRESA";

}  // namespace

// The company does not restrict the sum: a chassis has one follow-up record,
// and its optionals are those of the record's company.
double TddmVeiculoCompartilhadoBDImpl::SomaOpcionais(int32_t /*pfEmpresa*/,
                                                     const std::string& pfConsideraOpc,
                                                     const std::string& pfChassi) {
  // The dealer parameter IMPRIME_VALOR_OPCIONAIS_REL decides whether optionals count.
  if (pfConsideraOpc != "S") return 0;
  const std::string chassi =
      pfChassi.empty() ? value_sources::CurrentVehicleValue(*cdsVeiculo, "CHASSI").AsText()
                       : pfChassi;

  if (cdsPvOpcionais->Active()) {
    if (!cdsPvOpcionais->Locate("CHASSI", {Value::Text(chassi)})) return 0;
    return cdsPvOpcionais->FieldByName("VAL_OPC").AsFloat();
  }

  sdsAux->Close();
  sdsAux->SetCommandText(std::string(kSqlSomaOpcionais) + " and o.CHASSI = " + "'" +
                         platform::QuoteDoubled(chassi) + "'");
  sdsAux->Open();
  // A sum over no optionals is null, which reads as 0.
  const double total = sdsAux->IsEmpty() ? 0 : sdsAux->FieldByName("VAL_OPC").AsFloat();
  sdsAux->Close();
  return total;
}

}  // namespace veiculo
