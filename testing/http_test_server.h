// A scriptable HTTP server on 127.0.0.1 for tests: it answers each request it reads with the next
// scripted reply, byte for byte, and records every request exactly as it arrived.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/socket.h"

namespace veyra::testing {

struct Reply {
  enum class Then {
    KeepOpen,  // wait for the next request on the same connection
    Close,     // close the connection after the bytes
    Stall,     // send nothing more and hold the connection until the client goes
  };
  std::string bytes;  // sent exactly as they are, so a reply may end at any byte
  Then then = Then::KeepOpen;
};

class HttpTestServer {
 public:
  explicit HttpTestServer(std::vector<Reply> replies = {});
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;
  ~HttpTestServer();

  // Adds a reply behind the others.
  void Add(Reply reply);
  std::uint16_t port() const { return listener_.port(); }
  // "http://127.0.0.1:PORT" + path.
  std::string Url(std::string_view path) const;

  // The head of every request so far (request line to the empty line, inclusive).
  std::vector<std::string> requests() const;
  // How many connections the server has accepted.
  int connections() const;
  // Waits until the server has closed that many connections (false after a generous 10 s).
  bool WaitForClosedConnections(int count) const;

  // "HTTP/1.1 200 OK" with Content-Length and the body.
  static std::string Ok(std::string_view body);

 private:
  void Serve();
  // Answers the requests of one connection until it closes or a reply ends it.
  void ServeConnection(platform::Socket& socket);
  bool NextReply(Reply& reply);

  platform::ListeningSocket listener_;
  mutable std::mutex mutex_;
  std::vector<Reply> replies_;
  std::size_t nextReply_ = 0;
  std::vector<std::string> requests_;
  int connections_ = 0;
  int closedConnections_ = 0;
  mutable std::condition_variable closed_;
  platform::Socket* current_ = nullptr;  // the connection being served, for the destructor
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace veyra::testing
