// The handlers of the proposal client dataset (cdsProposta): the proposal row
// is edited through it and its provider writes every change to VEI_PROPOSTA
// at once.
//
// A change the database refuses is never taken for written: the post handler
// puts the dataset back into edit state with the change still pending and
// raises the error; the delete handler discards the deletion (the row comes
// back) and raises; a cancel discards whatever is still pending.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

platform::ClientDataSet& ClientOf(platform::DataSet& dataset, const char* handler) {
  auto* client = dynamic_cast<platform::ClientDataSet*>(&dataset);
  if (client == nullptr)
    throw Error(ErrorCategory::Validation,
                std::string(handler) + ": '" + dataset.Name() + "' is not a client dataset");
  return *client;
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::InstalaEventosProposta() {
  cdsProposta->AfterPost = [this](platform::DataSet& d) { cdsPropostaAfterPost(d); };
  cdsProposta->AfterCancel = [this](platform::DataSet& d) { cdsPropostaAfterCancel(d); };
  cdsProposta->AfterDelete = [this](platform::DataSet& d) { cdsPropostaAfterDelete(d); };
}

void TddmVeiculoCompartilhadoBDImpl::cdsPropostaAfterPost(platform::DataSet& DataSet) {
  platform::ClientDataSet& proposta = ClientOf(DataSet, "cdsPropostaAfterPost");
  try {
    proposta.ApplyUpdates(-1);
  } catch (Error& error) {
    // The change stays pending and in edit, so the caller may correct it,
    // post again or cancel it.
    proposta.Edit();
    error.AddContext("while writing the proposal row of " + proposta.Name());
    throw;
  }
}

void TddmVeiculoCompartilhadoBDImpl::cdsPropostaAfterCancel(platform::DataSet& DataSet) {
  platform::ClientDataSet& proposta = ClientOf(DataSet, "cdsPropostaAfterCancel");
  if (proposta.ChangeCount() > 0) proposta.CancelUpdates();
}

void TddmVeiculoCompartilhadoBDImpl::cdsPropostaAfterDelete(platform::DataSet& DataSet) {
  platform::ClientDataSet& proposta = ClientOf(DataSet, "cdsPropostaAfterDelete");
  try {
    proposta.ApplyUpdates(-1);
  } catch (Error& error) {
    proposta.CancelUpdates();
    error.AddContext("while deleting the proposal row of " + proposta.Name());
    throw;
  }
}

}  // namespace veiculo
