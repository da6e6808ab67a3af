// The failure a get raises for a status other than 2xx and 101.
#pragma once

#include <string>

#include "base/error.h"

namespace veyra::http {

class ProtocolError : public Error {
 public:
  // message is the status line exactly as the server sent it.
  ProtocolError(int statusCode, const std::string& statusLine, std::string body)
      : Error(statusLine), statusCode_(statusCode), body_(std::move(body)) {}

  // -1 when the status line has no readable code.
  int statusCode() const { return statusCode_; }
  // The error response's body, decoded as text.
  const std::string& body() const { return body_; }

 private:
  int statusCode_;
  std::string body_;
};

}  // namespace veyra::http
