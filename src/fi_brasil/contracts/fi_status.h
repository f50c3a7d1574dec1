#pragma once
// The Status service of F&I Brasil (port StatusHttpSoap11Endpoint): is the
// service reachable, and which version it runs. Calls raise veiculo::Error
// (service) on a transport error, a SOAP fault or a reply that does not fit
// the contract; a refusal is a result with a non-zero statusCode.

#include <memory>
#include <string>

#include "fi_brasil/contracts/fi_types.h"
#include "fi_brasil/contracts/soap_call.h"

namespace veiculo::fi_brasil {

class StatusPortType {
 public:
  explicit StatusPortType(platform::SoapClient* client) : port_(client) {}
  FIResult status(const FIHeader& header);
  FIResult getVersion(const FIHeader& header);
  platform::SoapClient& Client() { return port_.Client(); }

 private:
  PortClient port_;
};

// The port type on `HTTPRIO` (a new client when null) at `Addr`, or at the
// default endpoint when `Addr` is empty. This client has no WSDL reader:
// `UseWSDL` true raises veiculo::Error (validation).
std::unique_ptr<StatusPortType> GetStatusPortType(bool UseWSDL, const std::string& Addr,
                                                  platform::SoapClient* HTTPRIO);

}  // namespace veiculo::fi_brasil
