// The module's components: every SQL dataset, provider and client dataset with
// its SQL, parameters and options, created in component order.

#include "platform/db/client_dataset.h"
#include "platform/db/provider.h"
#include "platform/db/sql_dataset.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo {
namespace {

using platform::ClientDataSet;
using platform::Provider;
using platform::ProviderOptions;
using platform::SqlDataSet;

constexpr ProviderOptions kAllowCommandText{false, true, false};
constexpr ProviderOptions kAllowCommandTextQuoted{false, true, true};

}  // namespace

void TddmVeiculoCompartilhadoBD::CriaComponentes() {
  auto sql = [&](const char* name, const std::string& text = "") {
    auto owned = std::make_unique<SqlDataSet>(name);
    if (!text.empty()) owned->SetCommandText(text);
    SqlDataSet* raw = owned.get();
    components_.push_back(std::move(owned));
    return raw;
  };
  auto provider = [&](const char* name, SqlDataSet* dataset, ProviderOptions options = {}) {
    auto owned = std::make_unique<Provider>(name, dataset);
    owned->Options = options;
    Provider* raw = owned.get();
    components_.push_back(std::move(owned));
    return raw;
  };
  auto client = [&](const char* name, Provider* source) {
    auto owned = std::make_unique<ClientDataSet>(name, source);
    ClientDataSet* raw = owned.get();
    components_.push_back(std::move(owned));
    return raw;
  };

  // Free SQL datasets: their SQL is set per call.
  sdsAux = sql("sdsAux");
  dspAux = provider("dspAux", sdsAux, kAllowCommandTextQuoted);
  sdsConsulta = sql("sdsConsulta");
  dspConsulta = provider("dspConsulta", sdsConsulta, kAllowCommandTextQuoted);
  sdsExecuta = sql("sdsExecuta");
  dspExecuta = provider("dspExecuta", sdsExecuta, kAllowCommandTextQuoted);
  sdsAuxiliar = sql("sdsAuxiliar");
  dspAuxiliar = provider("dspAuxiliar", sdsAuxiliar, kAllowCommandText);
  cdsAuxiliar = client("cdsAuxiliar", dspAuxiliar);
  sdsConsultaLoc = sql("sdsConsultaLoc");
  sdsEstoqueIntermediario = sql("sdsEstoqueIntermediario");
  dspEstoqueIntermediario =
      provider("dspEstoqueIntermediario", sdsEstoqueIntermediario, kAllowCommandTextQuoted);
  cdsEstoqueIntermediario = client("cdsEstoqueIntermediario", dspEstoqueIntermediario);
  sdsAuxConsulta = sql("sdsAuxConsulta");

  // Fixed queries follow.
}

}  // namespace veiculo
