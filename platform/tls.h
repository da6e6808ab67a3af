// A TLS client session over a connected socket: TLS 1.2 or newer, and the server's certificate
// verified against the system's trust store and the host name. There is no way to skip the check.
//
// Linux: OpenSSL 3, loaded on first use ("Could not load SSL library." when it is missing); the
// trust store is OpenSSL's default one, which SSL_CERT_FILE and SSL_CERT_DIR may replace.
// Windows: Schannel, with the certificate chain checked by the system's SSL policy.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/socket.h"

namespace veyra::platform {

class TlsSession {
 public:
  // Makes the handshake for host (a name or an IPv4 address) over socket, which must outlive the
  // session. Throws veyra::Error when the handshake or the verification fails.
  TlsSession(Socket& socket, const std::string& host);
  TlsSession(const TlsSession&) = delete;
  TlsSession& operator=(const TlsSession&) = delete;
  ~TlsSession();

  // Sends every byte or throws.
  void Send(const char* data, std::size_t size);
  // Waits for data; returns how many bytes were read (at most size), 0 when the peer has closed.
  std::size_t Receive(char* buffer, std::size_t size);
  // Whether received data is already waiting to be read.
  bool HasBufferedData() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace veyra::platform
