#include "fi_brasil/contracts/soap_call.h"

#include "fi_brasil/contracts/fi_serialization.h"
#include "fi_brasil/contracts/fi_settings.h"
#include "platform/soap/xml_text.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {

PortClient::PortClient(platform::SoapClient* client)
    : owned_(client == nullptr ? std::make_unique<platform::SoapClient>() : nullptr),
      client_(client == nullptr ? owned_.get() : client) {}

platform::SoapReply PortClient::Call(const std::string& operation, const FIHeader& header,
                                     const std::string& parameters) {
  std::string request = std::string("<soapenv:Envelope xmlns:soapenv=\"") + kNsSoapEnvelope +
                        "\"><soapenv:Body><ns:" + operation + " xmlns:ns=\"" +
                        platform::XmlEscape(NsService()) + "\"><header xmlns=\"" +
                        platform::XmlEscape(NsParams()) + "\">";
  WriteTo(request, header);
  request += "</header>" + parameters + "</ns:" + operation + "></soapenv:Body></soapenv:Envelope>";
  platform::SoapReply reply = client_->Call(operation, "urn:" + operation, std::move(request));
  if (!reply.Response().Child("return")) {
    Error error(ErrorCategory::Service, "the reply of " + operation + " carries no result");
    error.AddContext("endpoint " + client_->Url());
    throw error;
  }
  return reply;
}

std::string Parameter(const std::string& name, const std::string& value) {
  return "<" + name + ">" + platform::XmlEscape(value) + "</" + name + ">";
}

}  // namespace veiculo::fi_brasil
