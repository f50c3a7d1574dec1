#pragma once
// A small SOAP 1.1 client: posts one envelope to an endpoint and hands back
// the parsed reply.
//
// A call is an HTTP POST with "Content-Type: text/xml; charset=utf-8" and the
// SOAPAction header (quoted, as SOAP 1.1 clients send it). TLS is whatever the
// system's libcurl does (certificates checked against the system store).
// Before sending, the before-send hook may rewrite the request body; after
// receiving, the after-receive hook may rewrite the response body before it
// is parsed.
//
// Failures raise veiculo::Error (category service) whose text names the
// endpoint: a service that cannot be reached, a connection that breaks in
// the middle of the exchange, a timeout, a SOAP fault (its faultstring), a
// reply with a non-2xx HTTP status (the status), an empty or unreadable
// reply, a reply that is not a SOAP 1.1 envelope (another root, or an
// envelope in another namespace: a SOAP 1.2 reply is a version mismatch).
// A 2xx reply that is a well-formed SOAP 1.1 envelope is returned as is;
// what it means is the caller's to read (its elements by local name).

#include <functional>
#include <memory>
#include <string>

#include "platform/soap/xml_element.h"

namespace pugi {
class xml_document;
}

namespace veiculo::platform {

// Default timeouts, in milliseconds, and the settings that change them.
inline constexpr long kSoapConnectTimeoutMsDefault = 10000;
inline constexpr long kSoapTimeoutMsDefault = 60000;
inline constexpr const char* kSoapConnectTimeoutSetting = "VEICULO_SOAP_CONNECT_TIMEOUT_MS";
inline constexpr const char* kSoapTimeoutSetting = "VEICULO_SOAP_TIMEOUT_MS";

// A parsed reply. Owns the document its element views point into.
class SoapReply {
 public:
  SoapReply(std::unique_ptr<pugi::xml_document> document, long http_status);
  SoapReply(SoapReply&&) noexcept;
  SoapReply& operator=(SoapReply&&) noexcept;
  ~SoapReply();

  long HttpStatus() const { return http_status_; }
  // soap:Body of the envelope.
  XmlElement Body() const;
  // The first element inside the body: the operation's response wrapper.
  XmlElement Response() const;

 private:
  std::unique_ptr<pugi::xml_document> document_;
  long http_status_ = 0;
};

// Reads a received body as Call does once the HTTP exchange is over: raises
// veiculo::Error (service, naming `url`) for a SOAP fault, a non-2xx status,
// an unreadable document or one that is not an envelope.
SoapReply ReadSoapReply(const std::string& received, long http_status, const std::string& url);

class SoapClient {
 public:
  // (operation name, body): the hook may replace the body.
  using Hook = std::function<void(const std::string& operation, std::string& body)>;

  // Timeouts from the settings (defaults 10 s to connect, 60 s in all).
  SoapClient();

  void SetUrl(const std::string& url) { url_ = url; }
  const std::string& Url() const { return url_; }
  void SetConnectTimeoutMs(long ms) { connect_timeout_ms_ = ms; }
  void SetTimeoutMs(long ms) { timeout_ms_ = ms; }
  long ConnectTimeoutMs() const { return connect_timeout_ms_; }
  long TimeoutMs() const { return timeout_ms_; }
  void SetBeforeSend(Hook hook) { before_send_ = std::move(hook); }
  void SetAfterReceive(Hook hook) { after_receive_ = std::move(hook); }

  // Posts `request` with SOAPAction `soap_action` to Url(). Raises as the
  // header comment says; an empty URL raises veiculo::Error (validation).
  SoapReply Call(const std::string& operation, const std::string& soap_action,
                 std::string request) const;

 private:
  std::string url_;
  long connect_timeout_ms_;
  long timeout_ms_;
  Hook before_send_;
  Hook after_receive_;
};

// Leaves the calling thread's component runtime as it found it. The platform
// this module came from had to initialise a per-thread runtime around remote
// calls; here nothing needs it, so the guard does nothing, but the callers
// keep the scope the rules give.
class ComponentRuntimeScope {
 public:
  ComponentRuntimeScope() {}  // user-provided: a scope object, not an unused variable
  ~ComponentRuntimeScope() {}
  ComponentRuntimeScope(const ComponentRuntimeScope&) = delete;
  ComponentRuntimeScope& operator=(const ComponentRuntimeScope&) = delete;
};

}  // namespace veiculo::platform
