#include "fi_brasil/contracts/fi_settings.h"

#include "platform/settings.h"

namespace veiculo::fi_brasil {
namespace {

// The host without a trailing slash, so that the paths can follow it.
std::string Host() {
  std::string host = platform::Setting(kHostSetting, kHostDefault);
  while (!host.empty() && host.back() == '/') host.pop_back();
  return host;
}

}  // namespace

std::string NsService() {
  return platform::Setting(kNsServiceSetting, kNsServiceDefault);
}
std::string NsParams() {
  return platform::Setting(kNsParamsSetting, kNsParamsDefault);
}
std::string NsInput() {
  return platform::Setting(kNsInputSetting, kNsInputDefault);
}
std::string NsOutput() {
  return platform::Setting(kNsOutputSetting, kNsOutputDefault);
}
std::string NsResult() {
  return platform::Setting(kNsResultSetting, kNsResultDefault);
}

std::string DefaultStatusUrl() {
  return Host() + "/homologaservices/services/Status.StatusHttpSoap11Endpoint/";
}

std::string DefaultVendaUrl() {
  return Host() + "/homologaservices/services/Venda.VendaHttpSoap11Endpoint/";
}

}  // namespace veiculo::fi_brasil
