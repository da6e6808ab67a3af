// TLS through OpenSSL, with memory BIOs between the library and the socket: every byte travels
// through Socket, so its time-outs and Abort() hold for TLS connections too.
#include "platform/tls.h"

#include <algorithm>

#include "base/error.h"
#include "platform/posix/openssl.h"

namespace veyra::platform {

using posix::OpenSsl;


struct TlsSession::State {
  const OpenSsl& ssl = OpenSsl::Get();
  Socket& socket;
  SSL_CTX* context = nullptr;
  SSL* session = nullptr;
  BIO* incoming = nullptr;  // owned by session
  BIO* outgoing = nullptr;  // owned by session

  explicit State(Socket& s) : socket(s) {}
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  ~State() {
    if (session != nullptr) ssl.SSL_free(session);
    if (context != nullptr) ssl.SSL_CTX_free(context);
  }

  [[noreturn]] void Fail(const std::string& what) {
    std::string reason;
    const long verified = session != nullptr ? ssl.SSL_get_verify_result(session) : X509_V_OK;
    if (verified != X509_V_OK) {
      reason = ssl.X509_verify_cert_error_string(verified);
    } else if (const unsigned long code = ssl.ERR_get_error(); code != 0) {
      char text[256];
      ssl.ERR_error_string_n(code, text, sizeof text);
      reason = text;
    } else {
      reason = "the connection was closed";
    }
    throw Error(what + ": " + reason);
  }

  void Configure(const std::string& host) {
    context = ssl.SSL_CTX_new(ssl.TLS_client_method());
    if (context == nullptr) Fail("TLS set-up failed");
    ssl.SSL_CTX_ctrl(context, SSL_CTRL_SET_MIN_PROTO_VERSION, TLS1_2_VERSION, nullptr);
    ssl.SSL_CTX_set_verify(context, SSL_VERIFY_PEER, nullptr);
    if (ssl.SSL_CTX_set_default_verify_paths(context) != 1) Fail("TLS trust store unavailable");
    session = ssl.SSL_new(context);
    if (session == nullptr) Fail("TLS set-up failed");
    incoming = ssl.BIO_new(ssl.BIO_s_mem());
    outgoing = ssl.BIO_new(ssl.BIO_s_mem());
    if (incoming == nullptr || outgoing == nullptr) Fail("TLS set-up failed");
    ssl.SSL_set_bio(session, incoming, outgoing);
    X509_VERIFY_PARAM* verify = ssl.SSL_get0_param(session);
    if (ssl.X509_VERIFY_PARAM_set1_ip_asc(verify, host.c_str()) != 1) {
      if (ssl.X509_VERIFY_PARAM_set1_host(verify, host.c_str(), host.size()) != 1) {
        Fail("TLS set-up failed");
      }
      ssl.SSL_ctrl(session, SSL_CTRL_SET_TLSEXT_HOSTNAME, TLSEXT_NAMETYPE_host_name,
                   const_cast<char*>(host.c_str()));
    }
    ssl.SSL_set_connect_state(session);
  }

  // Sends what the library has written for the peer.
  void Flush() {
    char buffer[16384];
    while (ssl.BIO_ctrl_pending(outgoing) > 0) {
      const int size = ssl.BIO_read(outgoing, buffer, sizeof buffer);
      if (size <= 0) break;
      socket.Send(buffer, static_cast<std::size_t>(size));
    }
  }

  // Hands the library the next bytes from the peer; false when the peer has closed.
  bool Fill() {
    char buffer[32768];
    const std::size_t size = socket.Receive(buffer, sizeof buffer);
    if (size == 0) return false;
    ssl.BIO_write(incoming, buffer, static_cast<int>(size));
    return true;
  }

  // Runs one library call until it completes, moving bytes as it asks; returns its result, or 0
  // when the peer has closed.
  template <typename Call>
  int Drive(Call call, const char* what) {
    for (;;) {
      ssl.ERR_clear_error();
      const int result = call();
      Flush();
      if (result > 0) return result;
      switch (ssl.SSL_get_error(session, result)) {
        case SSL_ERROR_WANT_READ:
          if (!Fill()) return 0;
          break;
        case SSL_ERROR_ZERO_RETURN:
          return 0;
        default:
          Fail(what);
      }
    }
  }
};

TlsSession::TlsSession(Socket& socket, const std::string& host)
    : state_(std::make_unique<State>(socket)) {
  state_->Configure(host);
  if (state_->Drive([this] { return state_->ssl.SSL_do_handshake(state_->session); },
                    "TLS handshake failed") == 0) {
    state_->Fail("TLS handshake failed");
  }
}

TlsSession::~TlsSession() = default;

void TlsSession::Send(const char* data, std::size_t size) {
  while (size > 0) {
    const int piece = static_cast<int>(std::min<std::size_t>(size, 1 << 20));
    const int sent = state_->Drive(
        [&] { return state_->ssl.SSL_write(state_->session, data, piece); }, "TLS send failed");
    if (sent == 0) throw Error("Connection Closed Gracefully.");
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
}

std::size_t TlsSession::Receive(char* buffer, std::size_t size) {
  const int piece = static_cast<int>(std::min<std::size_t>(size, 1 << 20));
  return static_cast<std::size_t>(state_->Drive(
      [&] { return state_->ssl.SSL_read(state_->session, buffer, piece); }, "TLS receive failed"));
}

bool TlsSession::HasBufferedData() const {
  return state_->ssl.SSL_pending(state_->session) > 0 ||
         state_->ssl.BIO_ctrl_pending(state_->incoming) > 0;
}

}  // namespace veyra::platform
