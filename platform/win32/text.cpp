// Text conversions of Windows: through UTF-16 to and from the code pages, and the system's case
// rules.
#include "platform/text.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace veyra::platform {
namespace {

using win32::Narrow;
using win32::Widen;

constexpr UINT kOemCyrillic = 866;

// A character the code page cannot hold becomes "?" (UTF-8, should it be the ANSI code page,
// holds every character and takes no default character).
std::string FromWide(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return {};
  const char kDefault[] = "?";
  const char* defaultChar = codePage == CP_UTF8 ? nullptr : kDefault;
  const int length = static_cast<int>(wide.size());
  const int size = ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0,
                                         defaultChar, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(codePage, 0, wide.data(), length, bytes.data(), size, defaultChar,
                        nullptr);
  return bytes;
}

std::wstring ToWide(UINT codePage, const std::string& bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), size);
  return wide;
}

}  // namespace

std::string Utf8ToAnsi(const std::string& utf8) { return FromWide(CP_ACP, Widen(utf8)); }

std::string AnsiToUtf8(const std::string& ansi) { return Narrow(ToWide(CP_ACP, ansi)); }

std::string Utf8ToOem866(const std::string& utf8) { return FromWide(kOemCyrillic, Widen(utf8)); }

std::string ToLower(const std::string& utf8) {
  std::wstring wide = Widen(utf8);
  ::CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
}

int CompareIgnoringCase(const std::string& a, const std::string& b) {
  const std::wstring wideA = Widen(a);
  const std::wstring wideB = Widen(b);
  const int result =
      ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(),
                       static_cast<int>(wideA.size()), wideB.data(), static_cast<int>(wideB.size()));
  return result - CSTR_EQUAL;
}

}  // namespace veyra::platform
