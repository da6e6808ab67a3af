#include "services/http/client.h"

#include <gtest/gtest.h>

#include <future>

#include "base/error.h"
#include "platform/socket.h"
#include "services/http/protocol_error.h"
#include "testing/http_test_server.h"

namespace veyra::http {
namespace {

using namespace std::chrono_literals;
using testing::HttpTestServer;
using testing::Reply;
using Then = Reply::Then;

// Generous: a woken get returns in microseconds; only a get that was never woken takes this.
constexpr auto kPrompt = 10s;

// Every progress event as text: "begin 10;work 4;work 10;end;".
struct EventLog {
  std::string text;
  ProgressHandlers Handlers() {
    return {[this](std::int64_t n) { text += "begin " + std::to_string(n) + ";"; },
            [this](std::int64_t n) { text += "work " + std::to_string(n) + ";"; },
            [this] { text += "end;"; }};
  }
};

// The error text of a get into a string, empty on success.
std::string GetInto(HttpClient& client, const std::string& url, std::string& body) {
  StringOutputStream target(body);
  try {
    client.Get(url, target);
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

TEST(HttpClientTest, SendsExactRequestsAndReturnsCookiesOnOneConnection) {
  HttpTestServer server({
      {"HTTP/1.1 200 OK\r\nSet-Cookie: sid=42; Path=/\r\nContent-Length: 2\r\n\r\nhi"},
      {HttpTestServer::Ok("second")},
  });
  HttpClient client;
  EXPECT_EQ(client.GetText(server.Url("/dir\\a b.lzma?q=\xC3\xA9#frag")), "hi");
  client.SetUserAgent("Updater-Agent");
  EXPECT_EQ(client.GetText(server.Url("/next")), "second");
  const std::string host = "127.0.0.1:" + std::to_string(server.port());
  const std::vector<std::string> expected = {
      "GET /dir/a%20b.lzma?q=%C3%A9 HTTP/1.1\r\nHost: " + host +
          "\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
          "User-Agent: Mozilla/3.0 (compatible; VeyraUpdater)\r\n\r\n",
      "GET /next HTTP/1.1\r\nHost: " + host +
          "\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
          "User-Agent: Updater-Agent\r\nCookie: sid=42\r\n\r\n",
  };
  EXPECT_EQ(server.requests(), expected);
  EXPECT_EQ(server.connections(), 1);
}

struct OutcomeCase {
  const char* name;
  std::vector<Reply> replies;
  std::string body;
  std::string error;
  std::string events;
};

TEST(HttpClientTest, OutcomesOfResponses) {
  const std::string page404 =
      "HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: 4\r\n\r\ngone";
  const OutcomeCase cases[] = {
      {"length", {{HttpTestServer::Ok("0123456789")}}, "0123456789", "", "begin 10;work 10;end;"},
      {"chunked",
       {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n4\r\ndefg\r\n0\r\n\r\n"}},
       "abcdefg", "", "begin 0;work 3;work 7;end;"},
      {"until close", {{"HTTP/1.1 200 OK\r\n\r\nuntil close", Then::Close}}, "until close", "",
       "begin 0;work 11;end;"},
      {"short body fails",
       {{"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + std::string(600, 's'), Then::Close}},
       std::string(600, 's'), "Connection Closed Gracefully.", "begin 1000;work 600;end;"},
      {"length zero", {{"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"}}, "", "", ""},
      {"no content", {{"HTTP/1.1 204 No Content\r\n\r\n"}}, "", "", ""},
      {"not found", {{page404}}, "", "HTTP/1.1 404 Not Found", "begin 4;work 4;end;"},
      {"redirect not followed",
       {{"HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 3\r\n\r\nmov"},
        {HttpTestServer::Ok("elsewhere")}},
       "", "HTTP/1.1 302 Found", "begin 3;work 3;end;"},
      {"not modified", {{"HTTP/1.1 304 Not Modified\r\n\r\n"}}, "", "HTTP/1.1 304 Not Modified", ""},
      {"unreadable status", {{"HTTP/1.1 Fine\r\n\r\n", Then::Close}}, "", "HTTP/1.1 Fine", "begin 0;end;"},
      {"closed before status", {{"", Then::Close}}, "", "Connection Closed Gracefully.", ""},
      {"closed in status line", {{"HTTP/1.1 2", Then::Close}}, "", "Connection Closed Gracefully.", ""},
  };
  for (const OutcomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    HttpTestServer server(c.replies);
    HttpClient client;
    EventLog events;
    client.SetProgressHandlers(events.Handlers());
    std::string body;
    const std::string error = GetInto(client, server.Url("/"), body);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(body, c.body);
    EXPECT_EQ(events.text, c.events);
    EXPECT_EQ(server.requests().size(), 1u) << "one request, no redirect followed";
  }
}

TEST(HttpClientTest, ProtocolErrorCarriesCodeAndDecodedBody) {
  HttpTestServer server({{"HTTP/1.1 404 Not Found\r\nContent-Type: text/plain; charset=utf-8\r\n"
                          "Content-Length: 6\r\n\r\nn\xC3\xB8pe!"}});
  HttpClient client;
  try {
    client.GetText(server.Url("/missing"));
    FAIL() << "404 succeeded";
  } catch (const ProtocolError& error) {
    EXPECT_EQ(error.statusCode(), 404);
    EXPECT_STREQ(error.what(), "HTTP/1.1 404 Not Found");
    EXPECT_EQ(error.body(), "n\xC3\xB8pe!");
  }
}

struct KeepAliveCase {
  const char* name;
  Reply first;
  int connections;
};

TEST(HttpClientTest, ReusesTheConnectionOnlyWhileBothSidesKeepIt) {
  const KeepAliveCase cases[] = {
      {"kept alive", {HttpTestServer::Ok("one")}, 1},
      {"close asked", {"HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 1\r\n\r\nx"}, 2},
      {"HTTP/1.0", {"HTTP/1.0 200 OK\r\nContent-Length: 1\r\n\r\nx"}, 2},
      {"HTTP/1.0 keep-alive",
       {"HTTP/1.0 200 OK\r\nConnection: Keep-Alive\r\nContent-Length: 1\r\n\r\nx"}, 1},
      {"closed by the server while idle", {HttpTestServer::Ok("one"), Then::Close}, 2},
      {"body up to the close", {"HTTP/1.1 200 OK\r\n\r\nx", Then::Close}, 2},
      {"after an error status", {"HTTP/1.1 500 Oops\r\nContent-Length: 1\r\n\r\nx"}, 2},
  };
  for (const KeepAliveCase& c : cases) {
    SCOPED_TRACE(c.name);
    HttpTestServer server({c.first, {HttpTestServer::Ok("two")}});
    HttpClient client;
    std::string ignored;
    GetInto(client, server.Url("/1"), ignored);
    if (c.first.then == Then::Close) {
      // The server's close reaches the client before the next get looks at the connection.
      ASSERT_TRUE(server.WaitForClosedConnections(1));
    }
    std::string second;
    EXPECT_EQ(GetInto(client, server.Url("/2"), second), "");
    EXPECT_EQ(second, "two");
    EXPECT_EQ(server.connections(), c.connections);
  }
}

// The server closed the kept-alive connection as the second request arrived: the request goes out
// once more on a new connection.
TEST(HttpClientTest, RepeatsAGetThatAReusedConnectionClosedWithoutAnswer) {
  HttpTestServer server(
      {{HttpTestServer::Ok("one")}, {"", Then::Close}, {HttpTestServer::Ok("two")}});
  HttpClient client;
  EXPECT_EQ(client.GetText(server.Url("/1")), "one");
  EXPECT_EQ(client.GetText(server.Url("/2")), "two");
  EXPECT_EQ(server.connections(), 2);
  ASSERT_EQ(server.requests().size(), 3u);
  EXPECT_EQ(server.requests()[1], server.requests()[2]);
}

// A get is repeated only where the server cannot have acted on it.
TEST(HttpClientTest, DoesNotRepeatAGetThatMayHaveBeenAnswered) {
  const struct {
    const char* name;
    std::vector<Reply> replies;
    bool answeredBefore;  // the failing get comes after one that kept the connection
  } cases[] = {
      {"a new connection closed", {{"", Then::Close}}, false},
      {"part of an answer", {{HttpTestServer::Ok("one")}, {"HTTP/1.1 200", Then::Close}}, true},
      {"no answer in time", {{HttpTestServer::Ok("one")}, {"", Then::Stall}}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Reply> replies = c.replies;
    replies.push_back({HttpTestServer::Ok("never")});
    HttpTestServer server(replies);
    HttpClient client({.connect = 30s, .idle = 200ms, .redirectBody = 5s});
    std::string body;
    if (c.answeredBefore) {
      EXPECT_EQ(GetInto(client, server.Url("/1"), body), "");
    }
    EXPECT_NE(GetInto(client, server.Url("/2"), body), "");
    EXPECT_EQ(server.requests().size(), c.replies.size());
  }
}

TEST(HttpClientTest, AnotherPortGetsItsOwnConnection) {
  HttpTestServer first({{HttpTestServer::Ok("1")}, {HttpTestServer::Ok("3")}});
  HttpTestServer second({{HttpTestServer::Ok("2")}});
  HttpClient client;
  EXPECT_EQ(client.GetText(first.Url("/")), "1");
  EXPECT_EQ(client.GetText(second.Url("/")), "2");
  EXPECT_EQ(client.GetText(first.Url("/")), "3");
  EXPECT_EQ(first.connections(), 2);
}

TEST(HttpClientTest, AddressWithoutHostGoesToThePreviousHost) {
  HttpTestServer server({{HttpTestServer::Ok("a")}, {HttpTestServer::Ok("b")}});
  HttpClient client;
  EXPECT_THROW(client.GetText("/relative"), Error);
  client.GetText(server.Url("/first"));
  EXPECT_EQ(client.GetText("/second"), "b");
  EXPECT_EQ(server.requests().back().substr(0, 20), "GET /second HTTP/1.1");
}

TEST(HttpClientTest, FailuresBeforeAnyConnection) {
  HttpClient client;
  const struct {
    const char* url;
    const char* error;
  } cases[] = {{"/no-host", "A Host is required"},
               {"ftp://127.0.0.1/file", "Unknown Protocol"}};
  for (const auto& c : cases) {
    std::string body;
    EXPECT_EQ(GetInto(client, c.url, body), c.error);
  }
}

TEST(HttpClientTest, RefusedConnectionIsASocketError) {
  std::uint16_t port;
  {
    platform::ListeningSocket closed;
    port = closed.port();
  }
  HttpClient client;
  std::string body;
  const std::string error = GetInto(client, "http://127.0.0.1:" + std::to_string(port) + "/", body);
  EXPECT_EQ(error.rfind("Socket Error # ", 0), 0u) << error;
}

TEST(HttpClientTest, DisconnectFromAnotherThreadEndsAGetWaitingForTheNextBlock) {
  HttpTestServer server({{"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nfirst", Then::Stall}});
  HttpClient client;
  EventLog events;
  client.SetProgressHandlers(events.Handlers());
  std::string body;
  auto get = std::async(std::launch::async, [&] { return GetInto(client, server.Url("/f"), body); });
  ASSERT_EQ(get.wait_for(200ms), std::future_status::timeout) << "the get waits for the server";
  client.Disconnect();
  ASSERT_EQ(get.wait_for(kPrompt), std::future_status::ready);
  EXPECT_EQ(get.get(), "Not Connected");
  EXPECT_EQ(body, "first");
  EXPECT_EQ(events.text, "begin 100;work 5;end;");
  client.Disconnect();  // nothing open: does nothing
}

// However the Disconnect() falls around the failure of the kept-alive connection and the new
// connection that repeats the get, the get ends.
TEST(HttpClientTest, DisconnectEndsAGetBeingRepeated) {
  HttpTestServer server({{HttpTestServer::Ok("one")}, {"", Then::Close}, {"", Then::Stall}});
  HttpClient client;
  EXPECT_EQ(client.GetText(server.Url("/1")), "one");
  std::string body;
  auto get = std::async(std::launch::async, [&] { return GetInto(client, server.Url("/2"), body); });
  ASSERT_TRUE(server.WaitForClosedConnections(1));
  client.Disconnect();
  ASSERT_EQ(get.wait_for(kPrompt), std::future_status::ready);
  EXPECT_EQ(get.get(), "Not Connected");
}

TEST(HttpClientTest, ClientStaysUsableAfterADisconnect) {
  HttpTestServer server({{HttpTestServer::Ok("1")}, {HttpTestServer::Ok("2")}});
  HttpClient client;
  EXPECT_EQ(client.GetText(server.Url("/")), "1");
  client.Disconnect();
  EXPECT_EQ(client.GetText(server.Url("/")), "2");
  EXPECT_EQ(server.connections(), 2);
}

// A listener whose accept queue is full leaves the next connect unanswered.
class UnansweredServer {
 public:
  UnansweredServer() {
    for (int i = 0; i < 16; ++i) {
      auto socket = std::make_unique<platform::Socket>(platform::SocketTimeouts{200ms, 30s});
      try {
        socket->Connect("127.0.0.1", listener_.port());
      } catch (const Error&) {
        return;
      }
      queued_.push_back(std::move(socket));
    }
  }
  std::string Url() const { return "http://127.0.0.1:" + std::to_string(listener_.port()) + "/"; }

 private:
  platform::ListeningSocket listener_{0, 0};
  std::vector<std::unique_ptr<platform::Socket>> queued_;
};

TEST(HttpClientTest, DisconnectEndsAWaitingConnect) {
  UnansweredServer server;
  HttpClient client;
  std::string body;
  auto get = std::async(std::launch::async, [&] { return GetInto(client, server.Url(), body); });
  ASSERT_EQ(get.wait_for(200ms), std::future_status::timeout);
  client.Disconnect();
  ASSERT_EQ(get.wait_for(kPrompt), std::future_status::ready);
  EXPECT_EQ(get.get(), "Not Connected");
}

TEST(HttpClientTest, ConnectAndIdleTimeOutsFailTheGet) {
  const HttpTimeouts shortTimeouts{.connect = 200ms, .idle = 200ms, .redirectBody = 5s};
  UnansweredServer unanswered;
  HttpTestServer silent({{"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\npart", Then::Stall}});
  for (const std::string& url : {unanswered.Url(), silent.Url("/")}) {
    SCOPED_TRACE(url);
    HttpClient client(shortTimeouts);
    std::string body;
    auto get = std::async(std::launch::async, [&] { return GetInto(client, url, body); });
    ASSERT_EQ(get.wait_for(kPrompt), std::future_status::ready);
    const std::string error = get.get();
    EXPECT_EQ(error.rfind("Socket Error # ", 0), 0u) << error;
  }
}

TEST(HttpClientTest, RedirectBodyThatDoesNotStartInTimeIsLeftUnread) {
  HttpTestServer server({{"HTTP/1.1 301 Moved\r\nLocation: /x\r\nContent-Length: 5\r\n\r\n", Then::Stall}});
  HttpClient client({.connect = 30s, .idle = 60s, .redirectBody = 100ms});
  EventLog events;
  client.SetProgressHandlers(events.Handlers());
  std::string body;
  auto get = std::async(std::launch::async, [&] { return GetInto(client, server.Url("/"), body); });
  ASSERT_EQ(get.wait_for(kPrompt), std::future_status::ready);
  EXPECT_EQ(get.get(), "HTTP/1.1 301 Moved");
  EXPECT_EQ(events.text, "");
}

struct TextCase {
  const char* contentType;
  std::string body;
  std::string text;
  const char* charset;
};

TEST(HttpClientTest, GetTextDecodesByTheResponseCharset) {
  const TextCase cases[] = {
      {"text/xml", "<a>\xE9</a>", "<a>\xEF\xBF\xBD</a>", "us-ascii"},
      {"application/xml", "<?xml version=\"1.0\" encoding=\"windows-1251\"?><a>\xCF</a>",
       "<?xml version=\"1.0\" encoding=\"windows-1251\"?><a>\xD0\x9F</a>", "windows-1251"},
      {"application/octet-stream", "\xC0", "\xC3\x80", ""},
      {"text/plain; charset=utf-8", "\xEF\xBB\xBFok", "\xEF\xBB\xBFok", "utf-8"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.contentType);
    HttpTestServer server({{"HTTP/1.1 200 OK\r\nContent-Type: " + std::string(c.contentType) +
                            "\r\nContent-Length: " + std::to_string(c.body.size()) + "\r\n\r\n" +
                            c.body}});
    HttpClient client;
    EXPECT_EQ(client.GetText(server.Url("/")), c.text);
    EXPECT_EQ(client.lastResponse().charset, c.charset);
    EXPECT_EQ(client.lastResponse().statusCode, 200);
  }
}

}  // namespace
}  // namespace veyra::http
