// Errors of POSIX calls: the subject of the failed call and the system's reason for errno.
#pragma once

#include <cerrno>
#include <string>
#include <system_error>

#include "base/error.h"

namespace veyra::platform::posix {

// "what: reason", for example "cannot open /x/y: No such file or directory".
inline Error SystemError(const std::string& what, int code = errno) {
  return Error(what + ": " + std::generic_category().message(code));
}

// Paths reach this layer with backslashes between folders; the system wants slashes.
inline std::string NativePath(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace veyra::platform::posix
