// The reading of a SOAP reply (pugixml): faults, HTTP statuses and unreadable
// replies become veiculo::Error (service) naming the endpoint.

#include <memory>
#include <pugixml.hpp>

#include "platform/soap/soap_client.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

Error ServiceError(const std::string& message, const std::string& url) {
  Error error(ErrorCategory::Service, message);
  error.AddContext("endpoint " + url);
  return error;
}

pugi::xml_node ChildByLocalName(pugi::xml_node parent, std::string_view local_name) {
  for (pugi::xml_node child : parent.children()) {
    if (child.type() == pugi::node_element && LocalPart(child.name()) == local_name) return child;
  }
  return {};
}

constexpr std::string_view kSoap11Envelope = "http://schemas.xmlsoap.org/soap/envelope/";

// The namespace URI of the document's root element, from its own declaration
// ("xmlns:prefix" or "xmlns"); empty when it declares none.
std::string_view RootNamespace(pugi::xml_node root) {
  const std::string_view name = root.name();
  const auto colon = name.find(':');
  const std::string attribute =
      colon == std::string_view::npos ? "xmlns" : "xmlns:" + std::string(name.substr(0, colon));
  return root.attribute(attribute.c_str()).value();
}

// The body of a SOAP envelope, or an empty node when the document is not one.
// The root is looked up by local name, as everything else in a reply.
pugi::xml_node EnvelopeBody(const pugi::xml_document& document) {
  pugi::xml_node envelope = document.document_element();
  if (!envelope || LocalPart(envelope.name()) != "Envelope") return {};
  return ChildByLocalName(envelope, "Body");
}

// Raises for a fault in the body: its faultstring, with the fault code.
void RaiseFault(pugi::xml_node body, long http_status, const std::string& url) {
  pugi::xml_node fault = ChildByLocalName(body, "Fault");
  if (!fault) return;
  const std::string code = ChildByLocalName(fault, "faultcode").text().get();
  std::string text = ChildByLocalName(fault, "faultstring").text().get();
  if (text.empty()) text = "(no fault string)";
  Error error = ServiceError("SOAP fault: " + text, url);
  if (!code.empty()) error.AddContext("fault code " + code);
  error.AddContext("HTTP status " + std::to_string(http_status));
  throw error;
}

}  // namespace

SoapReply::SoapReply(std::unique_ptr<pugi::xml_document> document, long http_status)
    : document_(std::move(document)), http_status_(http_status) {}
SoapReply::SoapReply(SoapReply&&) noexcept = default;
SoapReply& SoapReply::operator=(SoapReply&&) noexcept = default;
SoapReply::~SoapReply() = default;

XmlElement SoapReply::Body() const {
  return XmlElement(EnvelopeBody(*document_).internal_object());
}

XmlElement SoapReply::Response() const {
  pugi::xml_node body = EnvelopeBody(*document_);
  for (pugi::xml_node child : body.children()) {
    if (child.type() == pugi::node_element) return XmlElement(child.internal_object());
  }
  return XmlElement();
}

SoapReply ReadSoapReply(const std::string& received, long http_status, const std::string& url) {
  auto document = std::make_unique<pugi::xml_document>();
  const pugi::xml_parse_result parsed = document->load_buffer(received.data(), received.size());
  const pugi::xml_node body = parsed ? EnvelopeBody(*document) : pugi::xml_node();
  if (body) RaiseFault(body, http_status, url);
  if (http_status < 200 || http_status > 299)
    throw ServiceError("the service answered HTTP status " + std::to_string(http_status), url);
  if (received.empty()) throw ServiceError("unreadable reply (the body is empty)", url);
  if (!parsed)
    throw ServiceError(std::string("unreadable reply (") + parsed.description() + " at byte " +
                           std::to_string(parsed.offset) + ")",
                       url);
  if (!body) throw ServiceError("the reply is not a SOAP envelope", url);
  // An envelope of another SOAP version (or none) is a version mismatch: its
  // content cannot be read as this client's answer, however it looks.
  const std::string_view ns = RootNamespace(document->document_element());
  if (ns != kSoap11Envelope)
    throw ServiceError(
        "the reply is not a SOAP 1.1 envelope (its namespace is \"" + std::string(ns) + "\")", url);
  return SoapReply(std::move(document), http_status);
}

}  // namespace veiculo::platform
