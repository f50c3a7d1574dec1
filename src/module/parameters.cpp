// Dealer parameters (with the one-entry cache keyed by company and dealer),
// the dealer's brand and a user's right to a function.

#include <string>

#include "costing/kept_rows.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"

namespace veiculo {
namespace {

// Closes a client dataset keyed by company and dealer and opens it for these keys.
void ReopenByDealer(platform::ClientDataSet& dataset, int32_t empresa, int32_t revenda) {
  dataset.Close();
  dataset.ParamByName("Empresa").SetAsInteger(empresa);
  dataset.ParamByName("Revenda").SetAsInteger(revenda);
  dataset.Open();
}

// The dealer's PIS/COFINS rates from its loaded record; without a record the
// rates in force stay.
void AplicaAliquotas(platform::ClientDataSet& revenda, double& pis_cofins,
                     double& pis_cofins_usados) {
  if (!revenda.Active() || revenda.IsEmpty()) return;
  pis_cofins =
      revenda.FieldByName("PCT_PIS").AsFloat() + revenda.FieldByName("PCT_COFINS").AsFloat();
  pis_cofins_usados = revenda.FieldByName("PCT_PIS_USADOS").AsFloat() +
                      revenda.FieldByName("PCT_COFINS_USADOS").AsFloat();
}

}  // namespace

bool TddmVeiculoCompartilhadoBDImpl::LerParametro(int32_t pfEmpresa, int32_t pfRevenda) {
  // The cache is never invalidated: changed parameters are seen only after a
  // read for another company or dealer. The rates are put back from the
  // loaded dealer record even so: an imported vehicle's PIS/COFINS rate
  // (incidence "I") holds for that vehicle only, not for the dealer's next.
  if (pfEmpresa == iPvEmpresaAnt && pfRevenda == iPvRevendaAnt) {
    AplicaAliquotas(*cdsRevenda, Pis_Cofins, Pis_Cofins_Usados);
    return true;
  }

  bool found = false;
  UB = 0;
  UF = 0;
  ReopenByDealer(*cdsParametro, pfEmpresa, pfRevenda);
  if (!cdsParametro->IsEmpty()) {
    UB = static_cast<int32_t>(cdsParametro->FieldByName("UB_PADRAO").AsInteger());
    UF = static_cast<int32_t>(cdsParametro->FieldByName("UF_PADRAO").AsInteger());
    found = true;
  }

  // Without a dealer record the rates of the previous read stay in force.
  ReopenByDealer(*cdsRevenda, pfEmpresa, pfRevenda);
  AplicaAliquotas(*cdsRevenda, Pis_Cofins, Pis_Cofins_Usados);

  // Remembered even when no parameter row exists, so a repeated call answers true.
  iPvEmpresaAnt = pfEmpresa;
  iPvRevendaAnt = pfRevenda;
  return found;
}

bool TddmVeiculoCompartilhadoBDImpl::LerParametroServer(int32_t pfEmpresa, int32_t pfRevenda,
                                                        DataPacket& pcdsParametro,
                                                        DataPacket& pcdsRevenda, int32_t& pUB,
                                                        int32_t& pUF, double& pPis_Cofins) {
  const bool found = LerParametro(pfEmpresa, pfRevenda);
  pcdsParametro = cdsParametro->Data();
  pcdsRevenda = cdsRevenda->Data();
  pUB = UB;
  pUF = UF;
  pPis_Cofins = Pis_Cofins;
  return found;
}

std::string TddmVeiculoCompartilhadoBDImpl::ColunaParametro(int32_t pfEmpresa, int32_t pfRevenda,
                                                            const std::string& pfColuna) {
  // The loaded row answers when it is this dealer's; otherwise the one column
  // is read apart, so that UB, UF, the rates and cdsParametro stay the caller's.
  platform::ClientDataSet& loaded = *cdsParametro;
  if (loaded.Active() && !loaded.IsEmpty() &&
      loaded.FieldByName("EMPRESA").AsInteger() == pfEmpresa &&
      loaded.FieldByName("REVENDA").AsInteger() == pfRevenda)
    return loaded.FieldByName(pfColuna).AsText();
  platform::SqlDataSet& query = *sdsAuxConsulta;
  query.Close();
  query.SetCommandText("select " + pfColuna + " from VEI_PARAMETRO where EMPRESA = " +
                       std::to_string(pfEmpresa) + " and REVENDA = " + std::to_string(pfRevenda));
  query.Open();
  const std::string value = query.IsEmpty() ? std::string() : query.Fields(0).AsText();
  query.Close();
  return value;
}

std::variant<DataPacket, int32_t> TddmVeiculoCompartilhadoBDImpl::BuscaCdsParametro() {
  if (cdsParametro->Active()) return cdsParametro->Data();
  return int32_t{1};
}

bool TddmVeiculoCompartilhadoBDImpl::PermissaoFuncao(int32_t pfUsuario, int32_t pfFuncao) {
  // User 0 is the system itself and may do everything.
  if (pfUsuario == 0) return true;
  sdsAux->Close();
  sdsAux->SetCommandText(
      " select USUARIO from GER_FUNCAO_USUARIO  where  USUARIO = " + std::to_string(pfUsuario) +
      " and    FUNCAO =  " + std::to_string(pfFuncao));
  sdsAux->Open();
  const bool granted = !sdsAux->IsEmpty();
  sdsAux->Close();
  return granted;
}

void TddmVeiculoCompartilhadoBDImpl::BuscaMarca(int32_t pfEmpresa, int32_t pfRevenda) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "select MARCA from GER_REVENDA where EMPRESA = " + std::to_string(pfEmpresa) +
      "   and REVENDA = " + std::to_string(pfRevenda));
  {
    const costing::KeptRows kept(*sdsAux);  // asked once per vehicle by a batch
    sdsAux->Open();
  }
  sPvMarca = sdsAux->IsEmpty() ? std::string() : sdsAux->FieldByName("MARCA").AsText();
  sdsAux->Close();
}

}  // namespace veiculo
