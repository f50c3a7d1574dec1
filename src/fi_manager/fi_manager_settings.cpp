#include "fi_manager/fi_manager_settings.h"

#include "platform/settings.h"

namespace veiculo::fi_manager {

std::string Ns() {
  return platform::Setting(kNsSetting, kNsDefault);
}

std::string SoapAction(const std::string& operation) {
  return Ns() + operation;
}

std::string DefaultUrl() {
  std::string host = platform::Setting(kHostSetting, kHostDefault);
  while (!host.empty() && host.back() == '/') host.pop_back();
  return host + kPathService;
}

}  // namespace veiculo::fi_manager
