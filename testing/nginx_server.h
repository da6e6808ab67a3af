// A real nginx for tests and benchmarks (Linux): started on free loopback ports with its own
// configuration, logs and pid file in a folder, serving the files below a root folder, and stopped
// when the object goes. With TLS it also listens for HTTPS, with a certificate for "localhost"
// issued by a test certificate authority made for the occasion.
#pragma once

#include <cstdint>
#include <string>

namespace veyra::testing {

class NginxServer {
 public:
  // Throws veyra::Error when nginx or openssl cannot be run.
  NginxServer(const std::string& folder, const std::string& root, bool withTls = false);
  NginxServer(const NginxServer&) = delete;
  NginxServer& operator=(const NginxServer&) = delete;
  ~NginxServer();

  std::uint16_t port() const { return port_; }
  std::uint16_t tlsPort() const { return tlsPort_; }
  // The PEM file of the certificate authority that issued the server's certificate.
  std::string caFile() const { return folder_ + "/ca.pem"; }
  // One line per request: "$connection $connection_requests $status $request_uri".
  std::string AccessLog() const;

 private:
  void MakeCertificates() const;
  void WriteConfiguration(const std::string& root, bool withTls) const;

  std::string folder_;
  std::uint16_t port_ = 0;
  std::uint16_t tlsPort_ = 0;
};

// Runs a shell command line; throws veyra::Error naming it when it fails.
void RunShell(const std::string& command);

}  // namespace veyra::testing
