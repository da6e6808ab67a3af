#include "services/http/client.h"

#include "services/http/body_reader.h"
#include "services/http/connection.h"
#include "services/http/protocol_error.h"
#include "services/http/request.h"
#include "services/http/response_charset.h"
#include "services/http/response_head.h"
#include "services/http/text_decoding.h"

namespace veyra::http {

HttpClient::HttpClient(HttpTimeouts timeouts) : timeouts_(timeouts) {}

HttpClient::~HttpClient() = default;

std::string HttpClient::GetText(const std::string& url) {
  std::string body;
  StringOutputStream target(body);
  Perform(url, target);
  const std::string contentType(response_.headers.Find("Content-Type").value_or(""));
  response_.charset = ResponseCharset(contentType, body, response_.headers);
  return DecodeText(body, response_.charset);
}

void HttpClient::Get(const std::string& url, OutputStream& target) { Perform(url, target); }

void HttpClient::Disconnect() {
  const std::lock_guard lock(connectionMutex_);
  disconnected_ = true;
  if (connection_) connection_->Abort();
}

void HttpClient::Close() {
  std::unique_ptr<Connection> closing;
  {
    const std::lock_guard lock(connectionMutex_);
    closing = std::move(connection_);
  }
}

Connection& HttpClient::ConnectionFor(const Url& url) {
  if (connection_ && (!connection_->GoesTo(url) || !connection_->IsIdle())) Close();
  if (!connection_) {
    auto fresh = std::make_unique<Connection>(
        platform::SocketTimeouts{.connect = timeouts_.connect, .idle = timeouts_.idle});
    {
      const std::lock_guard lock(connectionMutex_);
      if (disconnected_) fresh->Abort();
      connection_ = std::move(fresh);
    }
    connection_->Open(url);
  }
  return *connection_;
}

void HttpClient::Perform(const std::string& text, OutputStream& target) {
  const Url url = ResolveUrl(text, previous_);
  previous_ = url;
  response_ = Response();
  {
    const std::lock_guard lock(connectionMutex_);
    disconnected_ = false;
  }
  try {
    ResponseHead head = Exchange(url);
    Connection& connection = *connection_;
    cookies_.Store(url, head.headers);
    response_.statusCode = head.statusCode;
    response_.statusLine = head.statusLine;
    if (head.statusCode < 200 || head.statusCode > 299) {
      if (head.statusCode == 101) {
        // The connection now speaks another protocol: the get ends here.
        response_.headers = std::move(head.headers);
        Close();
        return;
      }
      FailWithStatus(connection, head);
    }
    const BodyFraming framing = FramingOf(head);
    ReadBody(connection.reader(), framing, head, target, progress_);
    if (!framing.EndsBeforeClose() || !KeepsConnectionAlive(head)) Close();
    response_.headers = std::move(head.headers);
  } catch (...) {
    Close();
    throw;
  }
}

ResponseHead HttpClient::Exchange(const Url& url) {
  Connection& connection = ConnectionFor(url);
  const std::uint64_t receivedBefore = connection.bytesReceived();
  try {
    return SendRequest(connection, url);
  } catch (const platform::SocketTimeout&) {
    throw;
  } catch (const Error&) {
    // The server may close a kept-alive connection just as a request goes out. A GET that got
    // no byte of answer there is safe to send once more; after a Disconnect() the new
    // connection fails at once.
    const bool reused = receivedBefore > 0;
    if (!reused || connection.bytesReceived() != receivedBefore) throw;
  }
  Close();
  return SendRequest(ConnectionFor(url), url);
}

ResponseHead HttpClient::SendRequest(Connection& connection, const Url& url) {
  connection.Send(RequestBytes(url, userAgent_, cookies_.HeaderFor(url)));
  return ReadResponseHead(connection.reader());
}

void HttpClient::FailWithStatus(Connection& connection, ResponseHead& head) {
  const BodyFraming framing = FramingOf(head);
  const bool isRedirect = head.statusCode >= 300 && head.statusCode <= 399;
  std::string body;
  if (!isRedirect || framing.kind == BodyFraming::Kind::None ||
      connection.reader().WaitForData(timeouts_.redirectBody)) {
    StringOutputStream scratch(body);
    ReadBody(connection.reader(), framing, head, scratch, progress_);
  }
  const std::string contentType(head.headers.Find("Content-Type").value_or(""));
  const std::string text = DecodeText(body, ResponseCharset(contentType, body, head.headers));
  response_.headers = std::move(head.headers);
  throw ProtocolError(head.statusCode, head.statusLine, text);
}

}  // namespace veyra::http
