#include "fi_brasil/contracts/fi_status.h"

#include "fi_brasil/contracts/fi_serialization.h"
#include "fi_brasil/contracts/fi_settings.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {

FIResult StatusPortType::status(const FIHeader& header) {
  FIResult result;
  ReadFrom(port_.Call("status", header, "").Response().Child("return"), result);
  return result;
}

FIResult StatusPortType::getVersion(const FIHeader& header) {
  FIResult result;
  ReadFrom(port_.Call("getVersion", header, "").Response().Child("return"), result);
  return result;
}

std::unique_ptr<StatusPortType> GetStatusPortType(bool UseWSDL, const std::string& Addr,
                                                  platform::SoapClient* HTTPRIO) {
  if (UseWSDL)
    throw Error(ErrorCategory::Validation,
                "the Status service is reached by its endpoint address, not through a WSDL");
  auto port = std::make_unique<StatusPortType>(HTTPRIO);
  port->Client().SetUrl(Addr.empty() ? DefaultStatusUrl() : Addr);
  return port;
}

}  // namespace veiculo::fi_brasil
