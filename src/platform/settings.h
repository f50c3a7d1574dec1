#pragma once
// Settings that are the installer's to choose (service namespaces, default
// hosts, timeouts). Each is named VEICULO_<AREA>_<NAME>; its value comes from
// a host that set it through SetSetting, else from the environment variable
// of the same name, else from the default the caller gives. A host that
// embeds the library sets them once at start; readers see the change at
// their next call.

#include <string>

namespace veiculo::platform {

// The value of a setting: set by the host, else the environment's, else
// `default_value`. An empty environment variable counts as unset.
std::string Setting(const std::string& name, const std::string& default_value);
// A setting read as a whole number; a value that is not one raises
// veiculo::Error (validation) naming the setting.
long long IntegerSetting(const std::string& name, long long default_value);

// Sets a setting for this process, above the environment.
void SetSetting(const std::string& name, const std::string& value);
// Forgets a value set through SetSetting (the environment counts again).
void ClearSetting(const std::string& name);

}  // namespace veiculo::platform
