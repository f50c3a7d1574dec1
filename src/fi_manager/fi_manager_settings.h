#pragma once
// Where Avonale's FI Manager service lives: the XML namespace of its contract
// and the host of its default endpoint. Both are settings (platform/settings.h)
// with the defaults below; the dealer's own URL (VEI_PARAMETRO.URL_WS_AVONALE)
// is what the calls actually use.

#include <string>

namespace veiculo::fi_manager {

inline constexpr const char* kNsSetting = "VEICULO_FIM_NS";
inline constexpr const char* kNsDefault = "http://fimanager.avonale.example/";
inline constexpr const char* kHostSetting = "VEICULO_FIM_HOST";
inline constexpr const char* kHostDefault = "https://fimanager.avonale.example";
// The path of the service on its host (the WSDL is the same path + "?wsdl").
inline constexpr const char* kPathService = "/wscomercial/FI/FiManagerWs.asmx";

// The namespace of the port type and of every type of the contract.
std::string Ns();
// The SOAPAction of an operation: the namespace immediately followed by its name.
std::string SoapAction(const std::string& operation);
// The configured host followed by the service's path.
std::string DefaultUrl();

}  // namespace veiculo::fi_manager
