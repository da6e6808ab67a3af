// Decoding text in the character sets the system knows (iconv on Linux, code pages on Windows).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veyra::platform {

// The bytes in the named character set (an IANA name such as "windows-1251" or "koi8-r",
// compared without regard to case) as UTF-8; a byte sequence the set does not define becomes
// U+FFFD. Nothing when the system does not know the name.
std::optional<std::string> CharsetToUtf8(std::string_view bytes, const std::string& charset);

}  // namespace veyra::platform
