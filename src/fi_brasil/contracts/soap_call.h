#pragma once
// One document-style call of an F&I Brasil port type: the request the SOAP
// runtime would send (the operation wrapper in the service namespace, the
// header in the params namespace, then the parameters), posted with the
// SOAPAction "urn:" + operation, and the reply's "return" element.

#include <memory>
#include <string>

#include "platform/soap/soap_client.h"

namespace veiculo::fi_brasil {

struct FIHeader;

// The transport a port type calls through: the caller's client or one of its own.
class PortClient {
 public:
  explicit PortClient(platform::SoapClient* client);
  platform::SoapClient& Client() { return *client_; }

  // Posts `operation` with the header and the parameters' XML (elements
  // already written) and returns the reply, whose Response() holds "return".
  // A reply without a "return" element raises veiculo::Error (service): it
  // carries no status, and taking it for a success would hide the failure.
  platform::SoapReply Call(const std::string& operation, const FIHeader& header,
                           const std::string& parameters);

 private:
  std::unique_ptr<platform::SoapClient> owned_;
  platform::SoapClient* client_;
};

// "<name>value</name>" in no namespace, the value escaped.
std::string Parameter(const std::string& name, const std::string& value);

}  // namespace veiculo::fi_brasil
