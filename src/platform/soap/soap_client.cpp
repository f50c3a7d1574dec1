// The HTTP side of a SOAP call (libcurl); soap_reply.cpp reads the reply.

#include "platform/soap/soap_client.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

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

// Failures after the service accepted the connection: the exchange broke off
// (reset, closed early, a reply cut short), which is no unreachable service.
bool BrokeAfterConnecting(CURLcode code) {
  switch (code) {
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
      return true;
    default:
      return false;
  }
}

long MsSetting(const char* name, long default_value) {
  const long long value = IntegerSetting(name, default_value);
  if (value <= 0)
    throw Error(ErrorCategory::Validation,
                std::string("setting ") + name + " must be a positive number of milliseconds");
  return static_cast<long>(value);
}

}  // namespace

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
    throw ServiceError(
        std::string(BrokeAfterConnecting(code) ? "the connection to the service broke: "
                                               : "could not reach the service: ") +
            (curl_message[0] != '\0' ? curl_message : curl_easy_strerror(code)),
        url_);
  long http_status = 0;
  curl_easy_getinfo(curl.handle, CURLINFO_RESPONSE_CODE, &http_status);

  if (after_receive_) after_receive_(operation, received);

  return ReadSoapReply(received, http_status, url_);
}

}  // namespace veiculo::platform
