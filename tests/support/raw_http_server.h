#pragma once
// A misbehaving HTTP peer on 127.0.0.1 for the failure tests of the SOAP
// callers, written on plain sockets so that it can do what a well-behaved
// server library will not: answer with exactly the bytes a test gives (any
// status, any body, none at all), cut the connection with a reset in the
// middle of a reply, or read the request and then say nothing until the
// client gives up. Requests are served one at a time, in arrival order.

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace veiculo::testing {

struct RawReply {
  enum class Kind {
    Answer,       // send `bytes`, then close the connection
    ResetMidway,  // send `bytes` (part of a reply), then reset the connection
    Silent,       // send nothing; close only when the client leaves
  };
  Kind kind = Kind::Answer;
  std::string bytes;
};

// "HTTP/1.1 <status> ..." with Content-Type text/xml, the body's length and
// "Connection: close", then `body`.
std::string HttpResponse(int status, const std::string& body);

// A loopback port nobody listens on: a connection to it is refused.
int RefusingPort();

class RawHttpServer {
 public:
  RawHttpServer();
  ~RawHttpServer();
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;

  // What every following request gets.
  void SetReply(RawReply reply);
  // "http://127.0.0.1:<port>/" followed by `path`.
  std::string Url(const std::string& path = "") const;
  // The bodies of the requests received so far, in order.
  std::vector<std::string> Bodies() const;

 private:
  void Serve();
  void Answer(int client);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  RawReply reply_;
  std::vector<std::string> bodies_;
  std::thread thread_;
};

}  // namespace veiculo::testing
