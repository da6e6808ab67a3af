#include "platform/win32/system_error.h"

#include "platform/win32/wide.h"

namespace veyra::platform::win32 {

std::string ReasonText(DWORD code) {
  wchar_t buffer[512];
  DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, buffer, sizeof buffer / sizeof buffer[0],
                                  nullptr);
  while (length > 0 && (buffer[length - 1] == L'\n' || buffer[length - 1] == L'\r')) --length;
  if (length == 0) return "system error " + std::to_string(code);
  return Narrow(std::wstring(buffer, length));
}

}  // namespace veyra::platform::win32
