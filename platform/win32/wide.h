// UTF-8 (the text of the rest of the system) to and from UTF-16 (the text of the W functions).
#pragma once

#include <string>

namespace veyra::platform::win32 {

// Byte sequences that are not UTF-8 become U+FFFD.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

}  // namespace veyra::platform::win32
