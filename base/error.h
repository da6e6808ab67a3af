// The one error type of the system: a failure that carries its message text.
#pragma once

#include <stdexcept>
#include <string>

namespace veyra {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace veyra
