// UTF-8 to code points and back, for the conversions POSIX does by itself.
#pragma once

#include <string>
#include <string_view>

namespace veyra::platform::posix {

// Decodes UTF-8. A byte that does not begin a well-formed sequence (overlong forms, surrogates and
// values above U+10FFFF included) gives `replacement` and decoding goes on with the next byte.
std::u32string DecodeUtf8(std::string_view text, char32_t replacement = U'\uFFFD');
std::string EncodeUtf8(std::u32string_view code_points);

}  // namespace veyra::platform::posix
