// Incidence "I": the PIS/COFINS of the sale. The exit invoice's own figures
// when the vehicle has been invoiced; otherwise an estimate on the sale value
// at the vehicle's import rates, the used-vehicle rates (on the margin when
// the dealer taxes used vehicles on it) or the dealer's rates.

#include <string>

#include "costing/incidence_line.h"
#include "platform/db/client_dataset.h"
#include "value_sources/current_vehicle.h"

namespace veiculo {

double TddmVeiculoCompartilhadoBDImpl::ValorPisCofinsVenda(const LinhaIncidencia& pfLinha) {
  // -1 tells that the vehicle has no exit invoice yet.
  const double nota = BuscaValorNotaSaida(pfLinha.empresa, pfLinha.revenda, "I", "");
  if (nota > -1) return nota;

  auto vehicle = [this](const char* field) {
    return value_sources::CurrentVehicleValue(*cdsVeiculo, field);
  };
  const double venda = dPbValorVenda;

  // An imported vehicle carries its own rates, which become the module's rate
  // (the host reads it back through GetPis_Cofins).
  const double pis_importa = vehicle("PCT_PIS_IMPORTA").AsFloat();
  if (pis_importa > 0) {
    Pis_Cofins = pis_importa + vehicle("PCT_COFINS_IMPORTA").AsFloat();
    const double base_pis = vehicle("PCT_BASE_PIS").AsFloat();
    if (base_pis > 0) return (venda - venda * base_pis / 100) * Pis_Cofins / 100;
  }

  if (vehicle("NOVO_USADO").AsText() == "U") {
    const bool sobre_margem =
        cdsParametro->Active() && !cdsParametro->IsEmpty() &&
        cdsParametro->FieldByName("BPISCOFINS_VUSADO_DIFERENTE").AsText() == "S";
    if (!sobre_margem) return venda * Pis_Cofins_Usados / 100;
    const double margem = venda - BuscaValorNotaEntrada(pfLinha.empresa, pfLinha.revenda, "C", 0);
    return margem > 0 ? margem * Pis_Cofins_Usados / 100 : 0;
  }
  return venda * Pis_Cofins / 100;
}

}  // namespace veiculo
