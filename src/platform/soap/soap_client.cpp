// The HTTP side of a SOAP call (libcurl) and the reading of its reply
// (pugixml): faults, HTTP statuses and unreadable replies become
// veiculo::Error (service) naming the endpoint.

#include "platform/soap/soap_client.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>
#include <pugixml.hpp>

#include "platform/settings.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t AppendReceived(char* data, size_t size, size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return size * count;
}

struct CurlHandle {
  CURL* handle = curl_easy_init();
  curl_slist* headers = nullptr;
  ~CurlHandle() {
    curl_slist_free_all(headers);
    if (handle != nullptr) curl_easy_cleanup(handle);
  }
};

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

// The body of a SOAP envelope, or an empty node when the document is not one.
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

long MsSetting(const char* name, long default_value) {
  const long long value = IntegerSetting(name, default_value);
  if (value <= 0)
    throw Error(ErrorCategory::Validation,
                std::string("setting ") + name + " must be a positive number of milliseconds");
  return static_cast<long>(value);
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

SoapClient::SoapClient()
    : connect_timeout_ms_(MsSetting(kSoapConnectTimeoutSetting, kSoapConnectTimeoutMsDefault)),
      timeout_ms_(MsSetting(kSoapTimeoutSetting, kSoapTimeoutMsDefault)) {}

SoapReply SoapClient::Call(const std::string& operation, const std::string& soap_action,
                           std::string request) const {
  if (url_.empty())
    throw Error(ErrorCategory::Validation, "SOAP call " + operation + " without an endpoint URL");
  if (before_send_) before_send_(operation, request);

  InitialiseCurlOnce();
  CurlHandle curl;
  if (curl.handle == nullptr) throw ServiceError("could not create an HTTP client", url_);
  const std::string action_header = "SOAPAction: \"" + soap_action + "\"";
  curl.headers = curl_slist_append(curl.headers, "Content-Type: text/xml; charset=utf-8");
  curl.headers = curl_slist_append(curl.headers, action_header.c_str());
  curl.headers = curl_slist_append(curl.headers, "Expect:");  // no 100-continue round trip

  std::string received;
  char curl_message[CURL_ERROR_SIZE] = "";
  curl_easy_setopt(curl.handle, CURLOPT_URL, url_.c_str());
  curl_easy_setopt(curl.handle, CURLOPT_POST, 1L);
  curl_easy_setopt(curl.handle, CURLOPT_POSTFIELDS, request.data());
  curl_easy_setopt(curl.handle, CURLOPT_POSTFIELDSIZE_LARGE,
                   static_cast<curl_off_t>(request.size()));
  curl_easy_setopt(curl.handle, CURLOPT_HTTPHEADER, curl.headers);
  curl_easy_setopt(curl.handle, CURLOPT_CONNECTTIMEOUT_MS, connect_timeout_ms_);
  curl_easy_setopt(curl.handle, CURLOPT_TIMEOUT_MS, timeout_ms_);
  curl_easy_setopt(curl.handle, CURLOPT_NOSIGNAL, 1L);  // timeouts without SIGALRM, thread-safe
  curl_easy_setopt(curl.handle, CURLOPT_WRITEFUNCTION, AppendReceived);
  curl_easy_setopt(curl.handle, CURLOPT_WRITEDATA, &received);
  curl_easy_setopt(curl.handle, CURLOPT_ERRORBUFFER, curl_message);

  const CURLcode code = curl_easy_perform(curl.handle);
  if (code == CURLE_OPERATION_TIMEDOUT)
    throw ServiceError("the service did not answer within " + std::to_string(timeout_ms_) +
                           " ms (connect limit " + std::to_string(connect_timeout_ms_) + " ms)",
                       url_);
  if (code != CURLE_OK)
    throw ServiceError(std::string("could not reach the service: ") +
                           (curl_message[0] != '\0' ? curl_message : curl_easy_strerror(code)),
                       url_);
  long http_status = 0;
  curl_easy_getinfo(curl.handle, CURLINFO_RESPONSE_CODE, &http_status);

  if (after_receive_) after_receive_(operation, received);

  auto document = std::make_unique<pugi::xml_document>();
  const pugi::xml_parse_result parsed = document->load_buffer(received.data(), received.size());
  const pugi::xml_node body = parsed ? EnvelopeBody(*document) : pugi::xml_node();
  if (body) RaiseFault(body, http_status, url_);
  if (http_status < 200 || http_status > 299)
    throw ServiceError("the service answered HTTP status " + std::to_string(http_status), url_);
  if (!parsed)
    throw ServiceError(std::string("unreadable reply (") + parsed.description() + " at byte " +
                           std::to_string(parsed.offset) + ")",
                       url_);
  if (!body) throw ServiceError("the reply is not a SOAP envelope", url_);
  return SoapReply(std::move(document), http_status);
}

}  // namespace veiculo::platform
