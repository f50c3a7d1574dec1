#pragma once
// Where the F&I Brasil services live: the five XML namespaces of their
// contracts and the host of the default (homologation) endpoints. Each is a
// setting (platform/settings.h) with the default below; the dealer's own base
// URL (VEI_PARAMETRO.URL_FIB) is what the operations actually call.

#include <string>

namespace veiculo::fi_brasil {

// Setting names and defaults.
inline constexpr const char* kNsServiceSetting = "VEICULO_FIB_NS_SERVICE";
inline constexpr const char* kNsServiceDefault = "http://services.fibrasil.example/ws";
inline constexpr const char* kNsParamsSetting = "VEICULO_FIB_NS_PARAMS";
inline constexpr const char* kNsParamsDefault = "http://services.fibrasil.example/ws/params";
inline constexpr const char* kNsInputSetting = "VEICULO_FIB_NS_INPUT";
inline constexpr const char* kNsInputDefault = "http://services.fibrasil.example/ws/params/input";
inline constexpr const char* kNsOutputSetting = "VEICULO_FIB_NS_OUTPUT";
inline constexpr const char* kNsOutputDefault = "http://services.fibrasil.example/ws/params/output";
inline constexpr const char* kNsResultSetting = "VEICULO_FIB_NS_RESULT";
inline constexpr const char* kNsResultDefault = "http://services.fibrasil.example/ws/result";
inline constexpr const char* kHostSetting = "VEICULO_FIB_HOST";
inline constexpr const char* kHostDefault = "https://homologacao.fibrasil.example";

// Target namespace of the port types and of the operation wrappers.
std::string NsService();
// FIHeader and the header parameter.
std::string NsParams();
// The request structures and the parameters veiculo, fichaPF, fichaPJ.
std::string NsInput();
// The reply structures.
std::string NsOutput();
// FIResult, its subclasses and every return element.
std::string NsResult();

// The default endpoints: the configured host and the homologation paths.
std::string DefaultStatusUrl();
std::string DefaultVendaUrl();

// SOAP 1.1, XML Schema and XML Schema instance namespaces.
inline constexpr const char* kNsSoapEnvelope = "http://schemas.xmlsoap.org/soap/envelope/";
inline constexpr const char* kNsXsd = "http://www.w3.org/2001/XMLSchema";
inline constexpr const char* kNsXsi = "http://www.w3.org/2001/XMLSchema-instance";

}  // namespace veiculo::fi_brasil
