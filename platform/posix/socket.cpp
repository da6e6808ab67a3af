// POSIX sockets. Every socket is non-blocking and every wait is a poll() on the socket and on a
// wake-up pipe that Abort() writes to, so another thread can end any wait at once.
#include "platform/socket.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <system_error>

#include "base/error.h"

namespace veyra::platform {
namespace {

[[noreturn]] void ThrowSocketError(int number) {
  const std::string text =
      "Socket Error # " + std::to_string(number) + "\n" + std::system_category().message(number);
  if (number == ETIMEDOUT) throw SocketTimeout(text);
  throw Error(text);
}

[[noreturn]] void ThrowNotConnected() { throw Error("Not Connected"); }

int Milliseconds(std::chrono::milliseconds wait) {
  return static_cast<int>(std::min<std::chrono::milliseconds::rep>(wait.count(), 0x7fffffff));
}

// The descriptors one socket waits on, and the flag Abort() raises.
class Waiter {
 public:
  Waiter() {
    if (pipe2(pipe_, O_NONBLOCK | O_CLOEXEC) != 0) ThrowSocketError(errno);
  }
  Waiter(const Waiter&) = delete;
  Waiter& operator=(const Waiter&) = delete;
  ~Waiter() {
    close(pipe_[0]);
    close(pipe_[1]);
  }

  // Raises the flag first, so that a wait woken by the socket's own close sees it.
  void MarkAborted() { aborted_ = true; }
  void Wake() {
    aborted_ = true;
    const char byte = 0;
    [[maybe_unused]] const ssize_t ignored = write(pipe_[1], &byte, 1);
  }
  bool aborted() const { return aborted_; }

  // Waits until fd is ready for events; false when the time ran out. Throws once aborted.
  bool Wait(int fd, short events, std::chrono::milliseconds wait) const {
    if (aborted_) ThrowNotConnected();
    pollfd fds[2] = {{fd, events, 0}, {pipe_[0], POLLIN, 0}};
    int ready;
    do {
      ready = poll(fds, 2, Milliseconds(wait));
    } while (ready < 0 && errno == EINTR);
    if (ready < 0) ThrowSocketError(errno);
    if (aborted_ || fds[1].revents != 0) ThrowNotConnected();
    return ready > 0;
  }

 private:
  int pipe_[2];
  std::atomic<bool> aborted_{false};
};

int NewSocket() {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) ThrowSocketError(errno);
  return fd;
}

}  // namespace

struct Socket::State {
  SocketTimeouts timeouts;
  std::atomic<int> fd{-1};
  Waiter waiter;

  ~State() {
    if (fd >= 0) close(fd);
  }

  void WaitOrTimeOut(short events, std::chrono::milliseconds wait) {
    if (!waiter.Wait(fd, events, wait)) ThrowSocketError(ETIMEDOUT);
  }

  // Connects to one address; returns 0 or the error number.
  int TryConnect(const sockaddr* address, socklen_t length) {
    fd = NewSocket();
    if (waiter.aborted()) shutdown(fd, SHUT_RDWR);
    if (connect(fd, address, length) == 0) return 0;
    if (errno != EINPROGRESS) return errno;
    WaitOrTimeOut(POLLOUT, timeouts.connect);
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) return errno;
    return error;
  }
};

Socket::Socket(SocketTimeouts timeouts) : state_(std::make_unique<State>()) {
  state_->timeouts = timeouts;
}

Socket::~Socket() = default;

void Socket::Connect(const std::string& host, std::uint16_t port) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const int resolved = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
  if (resolved != 0) {
    const int number = resolved == EAI_SYSTEM ? errno : resolved;
    throw Error("Socket Error # " + std::to_string(number) + "\n" + gai_strerror(resolved));
  }
  std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> addresses(found, freeaddrinfo);
  int error = ECONNREFUSED;
  for (const addrinfo* address = found; address != nullptr; address = address->ai_next) {
    if (state_->fd >= 0) close(state_->fd.exchange(-1));
    error = state_->TryConnect(address->ai_addr, address->ai_addrlen);
    if (error == 0) break;
  }
  if (state_->waiter.aborted()) ThrowNotConnected();
  if (error != 0) ThrowSocketError(error);
  const int on = 1;
  setsockopt(state_->fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

void Socket::Send(const char* data, std::size_t size) {
  while (size > 0) {
    if (state_->waiter.aborted()) ThrowNotConnected();
    const ssize_t sent = send(state_->fd, data, size, MSG_NOSIGNAL);
    if (sent >= 0) {
      data += sent;
      size -= static_cast<std::size_t>(sent);
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      state_->WaitOrTimeOut(POLLOUT, state_->timeouts.idle);
    } else if (errno != EINTR) {
      ThrowSocketError(errno);
    }
  }
}

std::size_t Socket::Receive(char* buffer, std::size_t size) {
  for (;;) {
    if (state_->waiter.aborted()) ThrowNotConnected();
    const ssize_t received = recv(state_->fd, buffer, size, 0);
    if (received == 0 && state_->waiter.aborted()) ThrowNotConnected();
    if (received >= 0) return static_cast<std::size_t>(received);
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      state_->WaitOrTimeOut(POLLIN, state_->timeouts.idle);
    } else if (errno != EINTR) {
      ThrowSocketError(errno);
    }
  }
}

bool Socket::WaitReadable(std::chrono::milliseconds wait) {
  return state_->waiter.Wait(state_->fd, POLLIN, wait);
}

void Socket::Abort() {
  state_->waiter.MarkAborted();
  const int fd = state_->fd;
  if (fd >= 0) shutdown(fd, SHUT_RDWR);
  state_->waiter.Wake();
}

struct ListeningSocket::State {
  int fd = -1;
  std::uint16_t port = 0;
  Waiter waiter;

  ~State() {
    if (fd >= 0) close(fd);
  }
};

ListeningSocket::ListeningSocket(std::uint16_t port, int backlog)
    : state_(std::make_unique<State>()) {
  state_->fd = NewSocket();
  const int on = 1;
  setsockopt(state_->fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  if (bind(state_->fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(state_->fd, backlog) != 0) {
    ThrowSocketError(errno);
  }
  socklen_t size = sizeof address;
  if (getsockname(state_->fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    ThrowSocketError(errno);
  }
  state_->port = ntohs(address.sin_port);
}

ListeningSocket::~ListeningSocket() = default;

std::uint16_t ListeningSocket::port() const { return state_->port; }

std::unique_ptr<Socket> ListeningSocket::Accept(SocketTimeouts timeouts) {
  for (;;) {
    state_->waiter.Wait(state_->fd, POLLIN, std::chrono::milliseconds(-1));
    const int fd = accept4(state_->fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd >= 0) {
      auto accepted = std::make_unique<Socket>(timeouts);
      accepted->state_->fd = fd;
      return accepted;
    }
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR && errno != ECONNABORTED) {
      ThrowSocketError(errno);
    }
  }
}

void ListeningSocket::Abort() { state_->waiter.Wake(); }

}  // namespace veyra::platform
