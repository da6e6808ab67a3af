#include "services/http/connection.h"

namespace veyra::http {
namespace {

// An IPv6 literal is given to the resolver without its brackets.
std::string ResolvableHost(const std::string& host) {
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    return host.substr(1, host.size() - 2);
  }
  return host;
}

}  // namespace

void Connection::Open(const Url& url) {
  https_ = url.IsHttps();
  host_ = url.host;
  port_ = url.EffectivePort();
  const std::string host = ResolvableHost(host_);
  socket_.Connect(host, port_);
  if (https_) tls_ = std::make_unique<platform::TlsSession>(socket_, host);
}

bool Connection::GoesTo(const Url& url) const {
  return url.IsHttps() == https_ && EqualsIgnoringCase(url.host, host_) &&
         url.EffectivePort() == port_;
}

bool Connection::IsIdle() {
  if (aborted_) return false;
  return !reader_.WaitForData(std::chrono::milliseconds(0));
}

void Connection::Send(std::string_view bytes) {
  if (tls_) {
    tls_->Send(bytes.data(), bytes.size());
  } else {
    socket_.Send(bytes.data(), bytes.size());
  }
}

std::size_t Connection::Read(char* buffer, std::size_t size) {
  const std::size_t received = tls_ ? tls_->Receive(buffer, size) : socket_.Receive(buffer, size);
  bytesReceived_ += received;
  return received;
}

bool Connection::WaitForData(std::chrono::milliseconds wait) {
  if (tls_ && tls_->HasBufferedData()) return true;
  return socket_.WaitReadable(wait);
}

void Connection::Abort() {
  aborted_ = true;
  socket_.Abort();
}

}  // namespace veyra::http
