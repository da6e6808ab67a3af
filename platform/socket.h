// TCP connections over IPv4, and the listening side the test servers use.
//
// Every wait of a socket can be ended at once from another thread by Abort(): the blocked call and
// every later one throw "Not Connected". Network failures throw veyra::Error with the text
// "Socket Error # " + the system's error number + a line break + the system's text for it; a
// wait that runs out of time throws it as a SocketTimeout.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/error.h"

namespace veyra::platform {

// A connect, send or receive that waited longer than its time-out.
class SocketTimeout : public Error {
 public:
  using Error::Error;
};

struct SocketTimeouts {
  // Longest wait for a connection to be accepted.
  std::chrono::milliseconds connect{30000};
  // Longest wait for the next byte to arrive (or for room to send one).
  std::chrono::milliseconds idle{60000};
};

class Socket {
 public:
  explicit Socket(SocketTimeouts timeouts = {});
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  ~Socket();

  // Resolves host to its IPv4 addresses and connects to the first one that accepts.
  void Connect(const std::string& host, std::uint16_t port);
  // Sends every byte or throws.
  void Send(const char* data, std::size_t size);
  // Waits for bytes; returns how many were read (at most size), 0 when the peer has closed.
  std::size_t Receive(char* buffer, std::size_t size);
  // Whether bytes or the peer's close can be received without waiting longer than wait. Reads
  // nothing.
  bool WaitReadable(std::chrono::milliseconds wait);
  // Safe from any thread: closes the connection in both directions and wakes every wait.
  void Abort();

 private:
  friend class ListeningSocket;
  struct State;
  std::unique_ptr<State> state_;
};

class ListeningSocket {
 public:
  // Listens on 127.0.0.1; port 0 lets the system choose a free port. A backlog of 0 keeps
  // connections beyond the first unanswered (no accept queue room), which tests use to make a
  // connect wait.
  explicit ListeningSocket(std::uint16_t port = 0, int backlog = 16);
  ListeningSocket(const ListeningSocket&) = delete;
  ListeningSocket& operator=(const ListeningSocket&) = delete;
  ~ListeningSocket();

  std::uint16_t port() const;
  // Waits without a time-out for the next connection.
  std::unique_ptr<Socket> Accept(SocketTimeouts timeouts = {});
  // Safe from any thread: wakes a blocked Accept, which then throws "Not Connected".
  void Abort();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace veyra::platform
