// The HTTP client every transfer of the system goes through: GET over HTTP/1.1 with one kept-alive
// connection, no redirects followed, cookies kept for the life of the object.
//
// A client is used by one thread at a time; only Disconnect() may be called from another thread,
// and it ends a blocked get at once.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "services/http/cookie_store.h"
#include "services/http/headers.h"
#include "services/http/output_stream.h"
#include "services/http/progress.h"
#include "services/http/url.h"

namespace veyra::http {

inline constexpr std::string_view kDefaultUserAgent = "Mozilla/3.0 (compatible; VeyraUpdater)";

struct HttpTimeouts {
  // Longest wait for the server to accept a connection.
  std::chrono::milliseconds connect{30000};
  // Longest wait for the next byte of a response.
  std::chrono::milliseconds idle{60000};
  // How long the body of a 3xx response may take to start before it is left unread.
  std::chrono::milliseconds redirectBody{5000};
};

// The last response a client received.
struct Response {
  int statusCode = -1;
  std::string statusLine;
  Headers headers;
  std::string charset;  // the charset the last get text decoded with
};

class Connection;
struct ResponseHead;

class HttpClient {
 public:
  explicit HttpClient(HttpTimeouts timeouts = {});
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;
  ~HttpClient();

  void SetUserAgent(std::string userAgent) { userAgent_ = std::move(userAgent); }
  void SetProgressHandlers(ProgressHandlers handlers) { progress_ = std::move(handlers); }

  // The body as UTF-8 text, decoded by the response's charset.
  std::string GetText(const std::string& url);
  // Writes the body to target as it arrives.
  void Get(const std::string& url, OutputStream& target);
  // Safe from any thread: closes the open connection, if any; a get blocked on it fails at once.
  void Disconnect();

  const Response& lastResponse() const { return response_; }

 private:
  // Sends the request and reads the response; the body of a success goes to target.
  void Perform(const std::string& url, OutputStream& target);
  // Sends the request and reads the response head, once more on a new connection when a
  // kept-alive one turns out to have been closed by the server.
  ResponseHead Exchange(const Url& url);
  ResponseHead SendRequest(Connection& connection, const Url& url);
  // The open connection to url's host and port, made when there is none fit for a request.
  // Throws "Not Connected" when Disconnect() came during this get.
  Connection& ConnectionFor(const Url& url);
  void Close();
  [[noreturn]] void FailWithStatus(Connection& connection, ResponseHead& head);

  HttpTimeouts timeouts_;
  std::string userAgent_{kDefaultUserAgent};
  ProgressHandlers progress_;
  CookieStore cookies_;
  std::optional<Url> previous_;
  Response response_;
  std::mutex connectionMutex_;  // guards connection_ and disconnected_
  std::unique_ptr<Connection> connection_;
  bool disconnected_ = false;  // Disconnect() came since the current get began
};

}  // namespace veyra::http
