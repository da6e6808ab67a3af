// TLS through Schannel. The handshake asks for manual certificate validation and then checks the
// chain itself with the system's SSL policy and the host name, so the check is the same on every
// Windows version and never depends on a default.
#include "platform/tls.h"

#define SECURITY_WIN32
#include <windows.h>
#include <schannel.h>
#include <security.h>
#include <wincrypt.h>

#include <algorithm>
#include <cstring>

#include "base/error.h"

namespace veyra::platform {
namespace {

std::wstring Wide(const std::string& utf8) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                       nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string Hex(unsigned long value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", value);
  return text;
}

[[noreturn]] void Fail(const std::string& what, unsigned long status) {
  throw Error(what + " (" + Hex(status) + ")");
}

constexpr DWORD kContextRequest = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT |
                                  ISC_REQ_CONFIDENTIALITY | ISC_REQ_ALLOCATE_MEMORY |
                                  ISC_REQ_STREAM | ISC_REQ_MANUAL_CRED_VALIDATION;

// An output token that Schannel allocated.
struct OutputToken {
  SecBuffer buffer{0, SECBUFFER_TOKEN, nullptr};
  SecBufferDesc description{SECBUFFER_VERSION, 1, &buffer};
  OutputToken() = default;
  OutputToken(const OutputToken&) = delete;
  OutputToken& operator=(const OutputToken&) = delete;
  ~OutputToken() {
    if (buffer.pvBuffer != nullptr) FreeContextBuffer(buffer.pvBuffer);
  }
};

struct ChainDeleter {
  void operator()(const CERT_CHAIN_CONTEXT* chain) const { CertFreeCertificateChain(chain); }
};
struct CertificateDeleter {
  void operator()(const CERT_CONTEXT* certificate) const {
    CertFreeCertificateContext(certificate);
  }
};

}  // namespace

struct TlsSession::State {
  Socket& socket;
  std::wstring host;
  CredHandle credentials{};
  bool haveCredentials = false;
  CtxtHandle context{};
  bool haveContext = false;
  SecPkgContext_StreamSizes sizes{};
  std::string incoming;  // received bytes not yet decrypted
  std::string plain;     // decrypted bytes not yet handed out
  std::size_t plainRead = 0;

  State(Socket& s, const std::string& h) : socket(s), host(Wide(h)) {}
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  ~State() {
    if (haveContext) DeleteSecurityContext(&context);
    if (haveCredentials) FreeCredentialsHandle(&credentials);
  }

  // Appends the next bytes from the peer; false when the peer has closed.
  bool Fill() {
    char buffer[32768];
    const std::size_t size = socket.Receive(buffer, sizeof buffer);
    incoming.append(buffer, size);
    return size > 0;
  }

  void AcquireCredentials() {
    SCHANNEL_CRED settings{};
    settings.dwVersion = SCHANNEL_CRED_VERSION;
    settings.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT;
    settings.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
    wchar_t package[] = UNISP_NAME_W;
    const SECURITY_STATUS status =
        AcquireCredentialsHandleW(nullptr, package, SECPKG_CRED_OUTBOUND, nullptr, &settings,
                                  nullptr, nullptr, &credentials, nullptr);
    if (status != SEC_E_OK) Fail("TLS set-up failed", status);
    haveCredentials = true;
  }

  void SendToken(const OutputToken& token) {
    if (token.buffer.cbBuffer > 0 && token.buffer.pvBuffer != nullptr) {
      socket.Send(static_cast<const char*>(token.buffer.pvBuffer), token.buffer.cbBuffer);
    }
  }

  void Handshake() {
    AcquireCredentials();
    DWORD attributes = 0;
    {
      OutputToken token;
      const SECURITY_STATUS status = InitializeSecurityContextW(
          &credentials, nullptr, host.data(), kContextRequest, 0, 0, nullptr, 0, &context,
          &token.description, &attributes, nullptr);
      if (status != SEC_I_CONTINUE_NEEDED) Fail("TLS handshake failed", status);
      haveContext = true;
      SendToken(token);
    }
    for (;;) {
      if (incoming.empty() && !Fill()) throw Error("TLS handshake failed: the connection was closed");
      SecBuffer input[2] = {
          {static_cast<unsigned long>(incoming.size()), SECBUFFER_TOKEN, incoming.data()},
          {0, SECBUFFER_EMPTY, nullptr}};
      SecBufferDesc inputDescription{SECBUFFER_VERSION, 2, input};
      OutputToken token;
      const SECURITY_STATUS status = InitializeSecurityContextW(
          &credentials, &context, host.data(), kContextRequest, 0, 0, &inputDescription, 0,
          nullptr, &token.description, &attributes, nullptr);
      if (status == SEC_E_INCOMPLETE_MESSAGE) {
        if (!Fill()) throw Error("TLS handshake failed: the connection was closed");
        continue;
      }
      SendToken(token);
      if (input[1].BufferType == SECBUFFER_EXTRA) {
        incoming.erase(0, incoming.size() - input[1].cbBuffer);
      } else {
        incoming.clear();
      }
      if (status == SEC_E_OK) return;
      if (status != SEC_I_CONTINUE_NEEDED) Fail("TLS handshake failed", status);
    }
  }

  void VerifyServerCertificate() {
    const CERT_CONTEXT* received = nullptr;
    const SECURITY_STATUS status =
        QueryContextAttributesW(&context, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &received);
    if (status != SEC_E_OK) Fail("TLS server certificate missing", status);
    std::unique_ptr<const CERT_CONTEXT, CertificateDeleter> certificate(received);

    char serverAuthentication[] = szOID_PKIX_KP_SERVER_AUTH;
    char* usages[] = {serverAuthentication};
    CERT_CHAIN_PARA chainParameters{};
    chainParameters.cbSize = sizeof chainParameters;
    chainParameters.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
    chainParameters.RequestedUsage.Usage.cUsageIdentifier = 1;
    chainParameters.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
    const CERT_CHAIN_CONTEXT* built = nullptr;
    if (!CertGetCertificateChain(nullptr, certificate.get(), nullptr, certificate->hCertStore,
                                 &chainParameters, 0, nullptr, &built)) {
      Fail("TLS certificate chain not built", GetLastError());
    }
    std::unique_ptr<const CERT_CHAIN_CONTEXT, ChainDeleter> chain(built);
    // The chain's own verdict first: not every SSL policy implementation (Wine's among them)
    // refuses a chain that ends at an unknown root. Revocation is not asked for.
    const DWORD chainErrors = chain->TrustStatus.dwErrorStatus &
                              ~(CERT_TRUST_REVOCATION_STATUS_UNKNOWN | CERT_TRUST_IS_OFFLINE_REVOCATION);
    if (chainErrors != CERT_TRUST_NO_ERROR) Fail("TLS certificate not trusted", chainErrors);

    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
    ssl.cbSize = sizeof ssl;
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.pwszServerName = host.data();
    CERT_CHAIN_POLICY_PARA policy{};
    policy.cbSize = sizeof policy;
    policy.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS verdict{};
    verdict.cbSize = sizeof verdict;
    if (!CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain.get(), &policy, &verdict)) {
      Fail("TLS certificate check failed", GetLastError());
    }
    if (verdict.dwError != 0) Fail("TLS certificate not trusted", verdict.dwError);
  }

  // Decrypts what has arrived into plain; false when more bytes are needed.
  bool Decrypt() {
    SecBuffer buffers[4] = {
        {static_cast<unsigned long>(incoming.size()), SECBUFFER_DATA, incoming.data()},
        {0, SECBUFFER_EMPTY, nullptr},
        {0, SECBUFFER_EMPTY, nullptr},
        {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc description{SECBUFFER_VERSION, 4, buffers};
    const SECURITY_STATUS status = DecryptMessage(&context, &description, 0, nullptr);
    if (status == SEC_E_INCOMPLETE_MESSAGE) return false;
    if (status == SEC_I_CONTEXT_EXPIRED) {
      incoming.clear();
      closed = true;
      return true;
    }
    if (status != SEC_E_OK) Fail("TLS receive failed", status);
    std::string extra;
    for (const SecBuffer& buffer : buffers) {
      if (buffer.BufferType == SECBUFFER_DATA) {
        plain.append(static_cast<const char*>(buffer.pvBuffer), buffer.cbBuffer);
      } else if (buffer.BufferType == SECBUFFER_EXTRA) {
        extra.assign(static_cast<const char*>(buffer.pvBuffer), buffer.cbBuffer);
      }
    }
    incoming = std::move(extra);
    return true;
  }

  bool closed = false;
};

TlsSession::TlsSession(Socket& socket, const std::string& host)
    : state_(std::make_unique<State>(socket, host)) {
  state_->Handshake();
  state_->VerifyServerCertificate();
  const SECURITY_STATUS status =
      QueryContextAttributesW(&state_->context, SECPKG_ATTR_STREAM_SIZES, &state_->sizes);
  if (status != SEC_E_OK) Fail("TLS set-up failed", status);
}

TlsSession::~TlsSession() = default;

void TlsSession::Send(const char* data, std::size_t size) {
  const SecPkgContext_StreamSizes& sizes = state_->sizes;
  std::string record;
  while (size > 0) {
    const std::size_t piece = std::min<std::size_t>(size, sizes.cbMaximumMessage);
    record.assign(sizes.cbHeader + piece + sizes.cbTrailer, '\0');
    std::memcpy(record.data() + sizes.cbHeader, data, piece);
    SecBuffer buffers[4] = {
        {sizes.cbHeader, SECBUFFER_STREAM_HEADER, record.data()},
        {static_cast<unsigned long>(piece), SECBUFFER_DATA, record.data() + sizes.cbHeader},
        {sizes.cbTrailer, SECBUFFER_STREAM_TRAILER, record.data() + sizes.cbHeader + piece},
        {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc description{SECBUFFER_VERSION, 4, buffers};
    const SECURITY_STATUS status = EncryptMessage(&state_->context, 0, &description, 0);
    if (status != SEC_E_OK) Fail("TLS send failed", status);
    state_->socket.Send(record.data(),
                        buffers[0].cbBuffer + buffers[1].cbBuffer + buffers[2].cbBuffer);
    data += piece;
    size -= piece;
  }
}

std::size_t TlsSession::Receive(char* buffer, std::size_t size) {
  State& state = *state_;
  while (state.plainRead == state.plain.size()) {
    state.plain.clear();
    state.plainRead = 0;
    if (state.closed) return 0;
    if ((state.incoming.empty() || !state.Decrypt()) && !state.Fill()) return 0;
  }
  const std::size_t count = std::min(size, state.plain.size() - state.plainRead);
  std::memcpy(buffer, state.plain.data() + state.plainRead, count);
  state.plainRead += count;
  return count;
}

bool TlsSession::HasBufferedData() const {
  return state_->plainRead < state_->plain.size() || !state_->incoming.empty();
}

}  // namespace veyra::platform
