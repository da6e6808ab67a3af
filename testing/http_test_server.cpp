#include "testing/http_test_server.h"

#include "base/error.h"

namespace veyra::testing {

HttpTestServer::HttpTestServer(std::vector<Reply> replies)
    : replies_(std::move(replies)), thread_([this] { Serve(); }) {}

HttpTestServer::~HttpTestServer() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    if (current_ != nullptr) current_->Abort();
  }
  listener_.Abort();
  thread_.join();
}

void HttpTestServer::Add(Reply reply) {
  const std::lock_guard lock(mutex_);
  replies_.push_back(std::move(reply));
}

std::string HttpTestServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port()) + std::string(path);
}

std::vector<std::string> HttpTestServer::requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

int HttpTestServer::connections() const {
  const std::lock_guard lock(mutex_);
  return connections_;
}

std::string HttpTestServer::Ok(std::string_view body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
         std::string(body);
}

bool HttpTestServer::WaitForClosedConnections(int count) const {
  std::unique_lock lock(mutex_);
  return closed_.wait_for(lock, std::chrono::seconds(10),
                          [&] { return closedConnections_ >= count; });
}

bool HttpTestServer::NextReply(Reply& reply) {
  const std::lock_guard lock(mutex_);
  if (nextReply_ == replies_.size()) return false;
  reply = replies_[nextReply_++];
  return true;
}

void HttpTestServer::Serve() {
  try {
    for (;;) {
      std::unique_ptr<platform::Socket> socket = listener_.Accept();
      {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        ++connections_;
        current_ = socket.get();
      }
      try {
        ServeConnection(*socket);
      } catch (const Error&) {
        // The client went away or the server is stopping; take the next connection.
      }
      {
        const std::lock_guard lock(mutex_);
        current_ = nullptr;
      }
      socket.reset();
      const std::lock_guard lock(mutex_);
      ++closedConnections_;
      closed_.notify_all();
      if (stopping_) return;
    }
  } catch (const Error&) {
    // The listener was aborted: the server stops.
  }
}

void HttpTestServer::ServeConnection(platform::Socket& socket) {
  std::string received;
  char buffer[4096];
  for (;;) {
    std::size_t end;
    while ((end = received.find("\r\n\r\n")) == std::string::npos) {
      const std::size_t size = socket.Receive(buffer, sizeof buffer);
      if (size == 0) return;
      received.append(buffer, size);
    }
    {
      const std::lock_guard lock(mutex_);
      requests_.push_back(received.substr(0, end + 4));
    }
    received.erase(0, end + 4);
    Reply reply;
    if (!NextReply(reply)) return;
    socket.Send(reply.bytes.data(), reply.bytes.size());
    if (reply.then == Reply::Then::Close) return;
    if (reply.then == Reply::Then::Stall) {
      while (socket.Receive(buffer, sizeof buffer) > 0) {
      }
      return;
    }
  }
}

}  // namespace veyra::testing
