#include "platform/socket.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "base/error.h"

namespace veyra::platform {
namespace {

using namespace std::chrono_literals;

// Generous: a woken wait returns in microseconds; only a wait that was never woken takes this.
constexpr auto kPrompt = 10s;

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

TEST(SocketTest, CarriesBytesBothWays) {
  ListeningSocket listener;
  Socket client;
  client.Connect("127.0.0.1", listener.port());
  const std::unique_ptr<Socket> server = listener.Accept();
  client.Send("ping", 4);
  char buffer[16];
  EXPECT_EQ(std::string(buffer, server->Receive(buffer, sizeof buffer)), "ping");
  server->Send("pong", 4);
  EXPECT_EQ(std::string(buffer, client.Receive(buffer, sizeof buffer)), "pong");
}

TEST(SocketTest, ReceiveGivesZeroWhenThePeerCloses) {
  ListeningSocket listener;
  Socket client;
  client.Connect("localhost", listener.port());
  listener.Accept().reset();
  char buffer[16];
  EXPECT_EQ(client.Receive(buffer, sizeof buffer), 0u);
  EXPECT_TRUE(client.WaitReadable(0ms));
}

TEST(SocketTest, RefusedConnectionIsASocketError) {
  std::uint16_t freePort;
  {
    ListeningSocket listener;
    freePort = listener.port();
  }
  Socket client;
  const std::string error = ErrorOf([&] { client.Connect("127.0.0.1", freePort); });
  EXPECT_EQ(error.rfind("Socket Error # ", 0), 0u) << error;
  EXPECT_NE(error.find('\n'), std::string::npos) << error;
}

TEST(SocketTest, UnknownHostIsASocketError) {
  Socket client;
  const std::string error = ErrorOf([&] { client.Connect("no-such-host.invalid", 80); });
  EXPECT_EQ(error.rfind("Socket Error # ", 0), 0u) << error;
}

TEST(SocketTest, ReceiveFailsAfterTheIdleTimeOut) {
  ListeningSocket listener;
  Socket client(SocketTimeouts{.connect = 30s, .idle = 100ms});
  client.Connect("127.0.0.1", listener.port());
  const std::unique_ptr<Socket> server = listener.Accept();
  char buffer[16];
  const std::string error = ErrorOf([&] { client.Receive(buffer, sizeof buffer); });
  EXPECT_EQ(error.rfind("Socket Error # ", 0), 0u) << error;
  EXPECT_THROW(client.Receive(buffer, sizeof buffer), SocketTimeout);
  EXPECT_FALSE(client.WaitReadable(0ms));
}

TEST(SocketTest, AbortFromAnotherThreadEndsABlockedReceiveAtOnce) {
  ListeningSocket listener;
  Socket client;
  client.Connect("127.0.0.1", listener.port());
  const std::unique_ptr<Socket> server = listener.Accept();
  auto receiving = std::async(std::launch::async, [&] {
    char buffer[16];
    return ErrorOf([&] { client.Receive(buffer, sizeof buffer); });
  });
  std::this_thread::sleep_for(50ms);
  client.Abort();
  ASSERT_EQ(receiving.wait_for(kPrompt), std::future_status::ready);
  EXPECT_EQ(receiving.get(), "Not Connected");
  char buffer[16];
  EXPECT_EQ(server->Receive(buffer, sizeof buffer), 0u) << "the peer sees the close at once";
}

// A listener with no room in its accept queue leaves further connects unanswered.
class UnansweredConnect : public ::testing::Test {
 protected:
  ListeningSocket listener_{0, 0};
  std::vector<std::unique_ptr<Socket>> queued_;

  // Connects with a short time-out until a connect is left unanswered; returns its error.
  std::string ConnectUntilUnanswered(std::chrono::milliseconds timeout) {
    for (int attempt = 0; attempt < 16; ++attempt) {
      auto socket = std::make_unique<Socket>(SocketTimeouts{.connect = timeout, .idle = 30s});
      const std::string error = ErrorOf([&] { socket->Connect("127.0.0.1", listener_.port()); });
      if (!error.empty()) return error;
      queued_.push_back(std::move(socket));
    }
    return "";
  }
};

TEST_F(UnansweredConnect, ConnectFailsAfterTheConnectTimeOut) {
  const std::string error = ConnectUntilUnanswered(200ms);
  EXPECT_EQ(error.rfind("Socket Error # ", 0), 0u) << error;
}

TEST_F(UnansweredConnect, AbortEndsAWaitingConnectAtOnce) {
  ASSERT_FALSE(ConnectUntilUnanswered(200ms).empty());
  Socket waiting;
  auto connecting = std::async(std::launch::async, [&] {
    return ErrorOf([&] { waiting.Connect("127.0.0.1", listener_.port()); });
  });
  std::this_thread::sleep_for(50ms);
  waiting.Abort();
  ASSERT_EQ(connecting.wait_for(kPrompt), std::future_status::ready);
  EXPECT_EQ(connecting.get(), "Not Connected");
}

TEST(ListeningSocketTest, AbortEndsABlockedAccept) {
  ListeningSocket listener;
  auto accepting = std::async(std::launch::async, [&] {
    return ErrorOf([&] { listener.Accept(); });
  });
  std::this_thread::sleep_for(50ms);
  listener.Abort();
  ASSERT_EQ(accepting.wait_for(kPrompt), std::future_status::ready);
  EXPECT_EQ(accepting.get(), "Not Connected");
}

}  // namespace
}  // namespace veyra::platform
