// Winsock. Every socket is tied to an event by WSAEventSelect (which makes it non-blocking), and
// every wait is on that event and on a second one that Abort() sets, so another thread can end
// any wait at once.
#include "platform/socket.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>

#include "base/error.h"
#include "platform/win32/system_error.h"

namespace veyra::platform {
namespace {

[[noreturn]] void ThrowSocketError(int number) {
  const std::string text = "Socket Error # " + std::to_string(number) + "\r\n" +
                           win32::ReasonText(static_cast<DWORD>(number));
  if (number == WSAETIMEDOUT) throw SocketTimeout(text);
  throw Error(text);
}

[[noreturn]] void ThrowNotConnected() { throw Error("Not Connected"); }

void StartWinsock() {
  static std::once_flag started;
  std::call_once(started, [] {
    WSADATA data;
    const int result = WSAStartup(MAKEWORD(2, 2), &data);
    if (result != 0) ThrowSocketError(result);
  });
}

DWORD Milliseconds(std::chrono::milliseconds wait) {
  if (wait.count() < 0) return INFINITE;
  return static_cast<DWORD>(std::min<std::chrono::milliseconds::rep>(wait.count(), 0x7ffffffe));
}

class Event {
 public:
  Event() : handle_(WSACreateEvent()) {
    if (handle_ == WSA_INVALID_EVENT) ThrowSocketError(WSAGetLastError());
  }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;
  ~Event() { WSACloseEvent(handle_); }
  WSAEVENT get() const { return handle_; }

 private:
  WSAEVENT handle_;
};

// One socket handle with its network event and the abort event.
class EventSocket {
 public:
  explicit EventSocket(long events) : events_(events) { StartWinsock(); }
  EventSocket(const EventSocket&) = delete;
  EventSocket& operator=(const EventSocket&) = delete;
  ~EventSocket() { Reset(INVALID_SOCKET); }

  void Reset(SOCKET handle) {
    const SOCKET old = handle_.exchange(handle);
    if (old != INVALID_SOCKET) closesocket(old);
    peer_closed_ = false;
    if (handle == INVALID_SOCKET) return;
    if (WSAEventSelect(handle, network_.get(), events_) != 0) ThrowSocketError(WSAGetLastError());
    if (aborted_) shutdown(handle, SD_BOTH);
  }
  SOCKET get() const { return handle_; }
  bool aborted() const { return aborted_; }

  void Abort() {
    aborted_ = true;
    const SOCKET handle = handle_;
    if (handle != INVALID_SOCKET) shutdown(handle, SD_BOTH);
    WSASetEvent(abort_.get());
  }

  // Waits for any network event; false when the time ran out. Throws once aborted.
  bool Wait(std::chrono::milliseconds wait) {
    if (aborted_) ThrowNotConnected();
    const WSAEVENT events[2] = {network_.get(), abort_.get()};
    const DWORD result = WSAWaitForMultipleEvents(2, events, FALSE, Milliseconds(wait), FALSE);
    if (aborted_) ThrowNotConnected();
    if (result == WSA_WAIT_TIMEOUT) return false;
    if (result == WSA_WAIT_FAILED) ThrowSocketError(WSAGetLastError());
    WSANETWORKEVENTS happened;
    if (WSAEnumNetworkEvents(handle_, network_.get(), &happened) != 0) {
      ThrowSocketError(WSAGetLastError());
    }
    last_ = happened;
    if (happened.lNetworkEvents & FD_CLOSE) peer_closed_ = true;
    return true;
  }
  // FD_CLOSE is reported once, and Wine may report it before recv sees the end of the stream, so
  // the close is remembered: once the peer has closed, "would block" means there is nothing more.
  bool peer_closed() const { return peer_closed_; }
  void WaitOrTimeOut(std::chrono::milliseconds wait) {
    if (!Wait(wait)) ThrowSocketError(WSAETIMEDOUT);
  }
  const WSANETWORKEVENTS& last() const { return last_; }

 private:
  long events_;
  std::atomic<SOCKET> handle_{INVALID_SOCKET};
  std::atomic<bool> aborted_{false};
  bool peer_closed_ = false;
  Event network_;
  Event abort_;
  WSANETWORKEVENTS last_{};
};

constexpr long kStreamEvents = FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE;

SOCKET NewSocket() {
  const SOCKET handle = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (handle == INVALID_SOCKET) ThrowSocketError(WSAGetLastError());
  return handle;
}

}  // namespace

struct Socket::State {
  SocketTimeouts timeouts;
  EventSocket socket{kStreamEvents};

  // Connects to one address; returns 0 or the error number.
  int TryConnect(const sockaddr* address, int length) {
    socket.Reset(NewSocket());
    if (connect(socket.get(), address, length) == 0) return 0;
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK) return error;
    for (;;) {
      socket.WaitOrTimeOut(timeouts.connect);
      if (socket.last().lNetworkEvents & FD_CONNECT) return socket.last().iErrorCode[FD_CONNECT_BIT];
    }
  }
};

Socket::Socket(SocketTimeouts timeouts) : state_(std::make_unique<State>()) {
  state_->timeouts = timeouts;
}

Socket::~Socket() = default;

void Socket::Connect(const std::string& host, std::uint16_t port) {
  StartWinsock();
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
    ThrowSocketError(WSAGetLastError());
  }
  std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> addresses(found, freeaddrinfo);
  int error = WSAECONNREFUSED;
  for (const addrinfo* address = found; address != nullptr; address = address->ai_next) {
    error = state_->TryConnect(address->ai_addr, static_cast<int>(address->ai_addrlen));
    if (error == 0) break;
  }
  if (state_->socket.aborted()) ThrowNotConnected();
  if (error != 0) ThrowSocketError(error);
  const BOOL on = TRUE;
  setsockopt(state_->socket.get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on),
             sizeof on);
}

void Socket::Send(const char* data, std::size_t size) {
  while (size > 0) {
    if (state_->socket.aborted()) ThrowNotConnected();
    const int piece = static_cast<int>(std::min<std::size_t>(size, 1 << 20));
    const int sent = send(state_->socket.get(), data, piece, 0);
    if (sent >= 0) {
      data += sent;
      size -= static_cast<std::size_t>(sent);
    } else if (WSAGetLastError() == WSAEWOULDBLOCK) {
      state_->socket.WaitOrTimeOut(state_->timeouts.idle);
    } else {
      ThrowSocketError(WSAGetLastError());
    }
  }
}

std::size_t Socket::Receive(char* buffer, std::size_t size) {
  const int piece = static_cast<int>(std::min<std::size_t>(size, 1 << 20));
  for (;;) {
    if (state_->socket.aborted()) ThrowNotConnected();
    const int received = recv(state_->socket.get(), buffer, piece, 0);
    if (received == 0 && state_->socket.aborted()) ThrowNotConnected();
    if (received >= 0) return static_cast<std::size_t>(received);
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK) ThrowSocketError(error);
    if (state_->socket.peer_closed()) return 0;
    state_->socket.WaitOrTimeOut(state_->timeouts.idle);
  }
}

bool Socket::WaitReadable(std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (state_->socket.aborted()) ThrowNotConnected();
    char byte;
    if (recv(state_->socket.get(), &byte, 1, MSG_PEEK) >= 0) return true;
    if (WSAGetLastError() != WSAEWOULDBLOCK || state_->socket.peer_closed()) return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() < 0 || !state_->socket.Wait(left)) return false;
  }
}

void Socket::Abort() { state_->socket.Abort(); }

struct ListeningSocket::State {
  EventSocket socket{FD_ACCEPT};
  std::uint16_t port = 0;
};

ListeningSocket::ListeningSocket(std::uint16_t port, int backlog)
    : state_(std::make_unique<State>()) {
  state_->socket.Reset(NewSocket());
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  if (bind(state_->socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(state_->socket.get(), backlog) != 0) {
    ThrowSocketError(WSAGetLastError());
  }
  int size = sizeof address;
  if (getsockname(state_->socket.get(), reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    ThrowSocketError(WSAGetLastError());
  }
  state_->port = ntohs(address.sin_port);
}

ListeningSocket::~ListeningSocket() = default;

std::uint16_t ListeningSocket::port() const { return state_->port; }

std::unique_ptr<Socket> ListeningSocket::Accept(SocketTimeouts timeouts) {
  for (;;) {
    if (state_->socket.aborted()) ThrowNotConnected();
    const SOCKET handle = accept(state_->socket.get(), nullptr, nullptr);
    if (handle != INVALID_SOCKET) {
      auto accepted = std::make_unique<Socket>(timeouts);
      accepted->state_->socket.Reset(handle);
      return accepted;
    }
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK && error != WSAECONNRESET) ThrowSocketError(error);
    state_->socket.Wait(std::chrono::milliseconds(-1));
  }
}

void ListeningSocket::Abort() { state_->socket.Abort(); }

}  // namespace veyra::platform
