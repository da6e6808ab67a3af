// The OpenSSL functions the TLS session uses, looked up in the system's libssl at run time, so the
// program starts and serves plain HTTP where the library is missing.
#pragma once

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509_vfy.h>

#include <initializer_list>
#include <memory>

#define VEYRA_OPENSSL_FUNCTIONS(X)                                                            \
  X(TLS_client_method) X(SSL_CTX_new) X(SSL_CTX_free) X(SSL_CTX_ctrl) X(SSL_CTX_set_verify)   \
  X(SSL_CTX_set_default_verify_paths) X(SSL_new) X(SSL_free) X(SSL_ctrl) X(SSL_set_bio)       \
  X(SSL_set_connect_state) X(SSL_do_handshake) X(SSL_read) X(SSL_write) X(SSL_get_error)      \
  X(SSL_pending) X(SSL_get_verify_result) X(SSL_get0_param) X(X509_VERIFY_PARAM_set1_host)    \
  X(X509_VERIFY_PARAM_set1_ip_asc) X(X509_verify_cert_error_string) X(BIO_new) X(BIO_s_mem)   \
  X(BIO_read) X(BIO_write) X(BIO_ctrl_pending) X(ERR_get_error) X(ERR_error_string_n)         \
  X(ERR_clear_error)

namespace veyra::platform::posix {

struct OpenSsl {
#define VEYRA_OPENSSL_MEMBER(name) decltype(&::name) name = nullptr;
  VEYRA_OPENSSL_FUNCTIONS(VEYRA_OPENSSL_MEMBER)
#undef VEYRA_OPENSSL_MEMBER

  // The library of this process, loaded on the first call; throws "Could not load SSL library."
  // (and tries again on the next call) when it cannot be loaded.
  static const OpenSsl& Get();
  // Loads the first of the given library names that has every function.
  static std::shared_ptr<const OpenSsl> Load(std::initializer_list<const char*> names);
};

}  // namespace veyra::platform::posix
