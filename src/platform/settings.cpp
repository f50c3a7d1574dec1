#include "platform/settings.h"

#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/format/convert.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

std::mutex& SettingsMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<std::string, std::string>& HostSettings() {
  static std::map<std::string, std::string> settings;
  return settings;
}

}  // namespace

std::string Setting(const std::string& name, const std::string& default_value) {
  {
    std::lock_guard<std::mutex> lock(SettingsMutex());
    auto found = HostSettings().find(name);
    if (found != HostSettings().end()) return found->second;
  }
  const char* env = std::getenv(name.c_str());
  if (env != nullptr && *env != '\0') return env;
  return default_value;
}

long long IntegerSetting(const std::string& name, long long default_value) {
  const std::string text = Setting(name, "");
  if (text.empty()) return default_value;
  int64_t value = 0;
  if (!TryStrToInt(text, value))
    throw Error(ErrorCategory::Validation,
                "setting " + name + " is not a whole number: \"" + text + "\"");
  return value;
}

void SetSetting(const std::string& name, const std::string& value) {
  std::lock_guard<std::mutex> lock(SettingsMutex());
  HostSettings()[name] = value;
}

void ClearSetting(const std::string& name) {
  std::lock_guard<std::mutex> lock(SettingsMutex());
  HostSettings().erase(name);
}

}  // namespace veiculo::platform
