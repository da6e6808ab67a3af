// Errors of Win32 calls: the subject of the failed call and the system's reason text.
#pragma once

#include <windows.h>

#include <string>

#include "base/error.h"

namespace veyra::platform::win32 {

// The system's text for an error code (FormatMessageW), without the closing line break.
std::string ReasonText(DWORD code);

// "what: reason", for example "cannot open C:\x\y: The system cannot find the file specified.".
inline Error SystemError(const std::string& what, DWORD code = ::GetLastError()) {
  return Error(what + ": " + ReasonText(code));
}

}  // namespace veyra::platform::win32
