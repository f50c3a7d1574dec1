#include "support/soap_test_server.h"

#include <httplib.h>

#include <stdexcept>
#include <thread>

namespace veiculo::testing {

struct SoapTestServer::Impl {
  httplib::Server server;
  std::thread thread;
  int port = 0;
  Handler handler;
  mutable std::mutex mutex;
  std::vector<SoapRequestSeen> requests;
};

SoapTestServer::SoapTestServer(Handler handler) : impl_(std::make_unique<Impl>()) {
  impl_->handler = std::move(handler);
  Impl* impl = impl_.get();
  impl->server.Post(".*", [impl](const httplib::Request& request, httplib::Response& response) {
    SoapRequestSeen seen{request.path, request.get_header_value("SOAPAction"),
                         request.get_header_value("Content-Type"), request.body};
    {
      std::lock_guard<std::mutex> lock(impl->mutex);
      impl->requests.push_back(seen);
    }
    SoapAnswer answer = impl->handler(seen);
    if (answer.delay.count() > 0) std::this_thread::sleep_for(answer.delay);
    response.status = answer.status;
    response.set_content(answer.body, "text/xml; charset=utf-8");
  });
  impl->port = impl->server.bind_to_any_port("127.0.0.1");
  if (impl->port <= 0) throw std::runtime_error("the test SOAP server could not listen");
  impl->thread = std::thread([impl] { impl->server.listen_after_bind(); });
  // stop() is a no-op before the accept loop runs: wait for it.
  while (!impl->server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

SoapTestServer::~SoapTestServer() {
  impl_->server.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

std::string SoapTestServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(impl_->port) + "/" + path;
}

std::vector<SoapRequestSeen> SoapTestServer::Requests() const {
  std::lock_guard<std::mutex> lock(impl_->mutex);
  return impl_->requests;
}

std::string SoapEnvelope(const std::string& response) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
         "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
         "<soapenv:Body>" +
         response + "</soapenv:Body></soapenv:Envelope>";
}

std::string SoapFault(const std::string& code, const std::string& text) {
  return SoapEnvelope("<soapenv:Fault><faultcode>" + code + "</faultcode><faultstring>" + text +
                      "</faultstring></soapenv:Fault>");
}

}  // namespace veiculo::testing
