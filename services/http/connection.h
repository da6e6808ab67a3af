// One open connection of the client: a socket, with a TLS session over it for https.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/socket.h"
#include "platform/tls.h"
#include "services/http/buffered_reader.h"
#include "services/http/byte_source.h"
#include "services/http/url.h"

namespace veyra::http {

class Connection : public ByteSource {
 public:
  explicit Connection(platform::SocketTimeouts timeouts) : socket_(timeouts) {}

  // Connects to the URL's host and port and, for https, makes the TLS handshake.
  void Open(const Url& url);
  // Whether this connection goes to the URL's scheme, host and port.
  bool GoesTo(const Url& url) const;
  // Whether the connection can carry another request: not aborted, and the peer has neither
  // closed it nor sent anything unasked.
  bool IsIdle();
  void Send(std::string_view bytes);
  std::size_t Read(char* buffer, std::size_t size) override;
  bool WaitForData(std::chrono::milliseconds wait) override;
  // Safe from any thread: closes the connection and wakes a blocked call at once.
  void Abort();
  // Every byte of every response so far.
  std::uint64_t bytesReceived() const { return bytesReceived_; }

  BufferedReader& reader() { return reader_; }

 private:
  platform::Socket socket_;
  std::unique_ptr<platform::TlsSession> tls_;
  bool https_ = false;
  std::string host_;
  std::uint16_t port_ = 0;
  std::atomic<bool> aborted_{false};
  std::uint64_t bytesReceived_ = 0;
  BufferedReader reader_{*this};
};

}  // namespace veyra::http
