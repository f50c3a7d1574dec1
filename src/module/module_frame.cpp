// The module frame: lifecycle, binding of the host's connection to every SQL
// dataset, the dialect, and the helpers that address components by name.

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "veiculo/connection.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

// The dialect name of a driver, compared exactly: "oracle" in lower case is
// not Oracle.
std::string DialectOf(const std::string& driver_name) {
  if (driver_name == "ORACLE" || driver_name == "DevartOracle") return "ORACLE";
  if (driver_name == "Interbase" || driver_name == "DevartInterBase") return "INTERBASE";
  return "SQLSERVER";
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::InicializaDM() {
  for (const auto& component : components_) {
    auto* dataset = dynamic_cast<platform::SqlDataSet*>(component.get());
    if (dataset == nullptr) continue;
    if (!dataset->BeforeOpen)
      dataset->BeforeOpen = [this](platform::DataSet& opening) { sdsPadraoBeforeOpen(opening); };
    dataset->GetMetadata = false;
  }
  iPvEmpresaAnt = -1;
  iPvRevendaAnt = -1;
}

void TddmVeiculoCompartilhadoBDImpl::FinalizaDM() {
  Conexao = nullptr;
}

void TddmVeiculoCompartilhadoBDImpl::AtribuiConexao(Connection* pfConexao) {
  if (pfConexao == nullptr)
    throw Error(ErrorCategory::Validation, "AtribuiConexao: no connection given");
  Conexao = pfConexao;
  SetaSQLConnection();
  sPvBancoDados = DialectOf(pfConexao->DriverName());
}

void TddmVeiculoCompartilhadoBDImpl::SetaSQLConnection() {
  for (const auto& component : components_)
    if (auto* dataset = dynamic_cast<platform::SqlDataSet*>(component.get()))
      dataset->SetConnection(Conexao);
}

void TddmVeiculoCompartilhadoBDImpl::LimpaSQLConnection() {
  for (const auto& component : components_)
    if (auto* dataset = dynamic_cast<platform::SqlDataSet*>(component.get()))
      dataset->SetConnection(nullptr);
}

void TddmVeiculoCompartilhadoBDImpl::FechaSds(const std::string& pNomeSds) {
  platform::Component* component = FindComponent(pNomeSds);
  if (component == nullptr)
    throw Error(ErrorCategory::NotFound, "FechaSds: component '" + pNomeSds + "' not found");
  auto* dataset = dynamic_cast<platform::DataSet*>(component);
  if (dataset == nullptr)
    throw Error(ErrorCategory::Validation, "FechaSds: '" + pNomeSds + "' is not a dataset");
  dataset->Close();
}

void TddmVeiculoCompartilhadoBDImpl::AlteraCommandText(const std::string& pNomeCds,
                                                       const std::string& pCommandText) {
  auto* client = dynamic_cast<platform::ClientDataSet*>(FindComponent(pNomeCds));
  if (client == nullptr)
    throw Error(ErrorCategory::NotFound,
                "AlteraCommandText: client dataset '" + pNomeCds + "' not found");
  // The SQL dataset of the same stem ("cdsVeiculo" -> "sdsVeiculo"), checked
  // before anything changes so that a wrong name leaves both as they were.
  platform::SqlDataSet* source = nullptr;
  if (!pCommandText.empty()) {
    const std::string upper = platform::UpperCase(pNomeCds);
    const size_t at = upper.find("CDS");
    const std::string sds_name = pNomeCds.substr(0, at) + "sds" + pNomeCds.substr(at + 3);
    source = dynamic_cast<platform::SqlDataSet*>(FindComponent(sds_name));
    if (source == nullptr)
      throw Error(ErrorCategory::NotFound,
                  "AlteraCommandText: SQL dataset '" + sds_name + "' not found");
  }
  client->Close();
  client->CommandText = pCommandText;
  if (source != nullptr) source->SetCommandText(pCommandText);
}

}  // namespace veiculo
