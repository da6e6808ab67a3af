#include "platform/win32/wide.h"

#include <windows.h>

namespace veyra::platform::win32 {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length = static_cast<int>(utf8.size());
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring utf16(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, utf16.data(), size);
  return utf16;
}

std::string Narrow(const std::wstring& utf16) {
  if (utf16.empty()) return {};
  const int length = static_cast<int>(utf16.size());
  const int size =
      ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

}  // namespace veyra::platform::win32
