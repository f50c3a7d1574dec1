#include "support/raw_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <stdexcept>

namespace veiculo::testing {
namespace {

constexpr int kPollMs = 20;
// A silent reply waits at most this long for the client to leave.
constexpr auto kSilentLimit = std::chrono::seconds(20);

int LoopbackSocket(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) throw std::runtime_error("no socket for the raw HTTP server");
  const int yes = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    ::close(fd);
    throw std::runtime_error("the raw HTTP server could not bind 127.0.0.1");
  }
  port = ntohs(address.sin_port);
  return fd;
}

// True when `fd` has something to read (or was closed) within `ms`.
bool Readable(int fd, int ms) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, ms) > 0;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The declared length of the body, from the request's head.
size_t ContentLength(const std::string& head) {
  const std::string lower = Lower(head);
  const auto at = lower.find("\r\ncontent-length:");
  return at == std::string::npos ? 0 : std::stoul(lower.substr(at + 17));
}

void SendAll(int fd, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

}  // namespace

std::string HttpResponse(int status, const std::string& body) {
  return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Internal Server Error") +
         "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

int RefusingPort() {
  int port = 0;
  ::close(LoopbackSocket(port));  // bound, never listened to, released
  return port;
}

RawHttpServer::RawHttpServer() {
  listener_ = LoopbackSocket(port_);
  if (::listen(listener_, 16) != 0) {
    ::close(listener_);
    throw std::runtime_error("the raw HTTP server could not listen");
  }
  thread_ = std::thread([this] { Serve(); });
}

RawHttpServer::~RawHttpServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  ::close(listener_);
}

void RawHttpServer::SetReply(RawReply reply) {
  std::lock_guard<std::mutex> lock(mutex_);
  reply_ = std::move(reply);
}

std::string RawHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/" + path;
}

std::vector<std::string> RawHttpServer::Bodies() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return bodies_;
}

void RawHttpServer::Serve() {
  while (!stop_) {
    if (!Readable(listener_, kPollMs)) continue;
    const int client = ::accept(listener_, nullptr, nullptr);
    if (client < 0) continue;
    Answer(client);
    ::close(client);
  }
}

void RawHttpServer::Answer(int client) {
  // The whole request first: closing with unread bytes would reset the
  // connection whatever the reply was meant to be.
  std::string received;
  size_t head_end = std::string::npos;
  size_t wanted = 0;
  char buffer[8192];
  while (!stop_) {
    if (head_end != std::string::npos && received.size() >= head_end + 4 + wanted) break;
    if (!Readable(client, kPollMs)) continue;
    const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) return;
    received.append(buffer, static_cast<size_t>(n));
    if (head_end == std::string::npos &&
        (head_end = received.find("\r\n\r\n")) != std::string::npos)
      wanted = ContentLength(received.substr(0, head_end + 2));
  }
  if (stop_) return;
  RawReply reply;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    bodies_.push_back(received.substr(head_end + 4, wanted));
    reply = reply_;
  }
  switch (reply.kind) {
    case RawReply::Kind::Answer:
      SendAll(client, reply.bytes);
      ::shutdown(client, SHUT_WR);
      break;
    case RawReply::Kind::ResetMidway: {
      SendAll(client, reply.bytes);
      const linger reset{1, 0};  // closing now sends RST instead of FIN
      ::setsockopt(client, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
      break;
    }
    case RawReply::Kind::Silent: {
      const auto limit = std::chrono::steady_clock::now() + kSilentLimit;
      while (!stop_ && std::chrono::steady_clock::now() < limit) {
        if (Readable(client, kPollMs) && ::recv(client, buffer, sizeof buffer, 0) <= 0) break;
      }
      break;
    }
  }
}

}  // namespace veiculo::testing
