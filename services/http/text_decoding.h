// Body bytes as text (UTF-8), by the response's charset.
#pragma once

#include <string>
#include <string_view>

namespace veyra::http {

// UTF-8, UTF-7, UTF-16 (little- and big-endian) and US-ASCII are decoded here, US-ASCII turning
// every byte above 0x7F into U+FFFD; other charsets the system knows go through the platform;
// an empty or unknown charset maps each byte to the character of the same number. A byte-order
// mark is decoded like any other character; malformed sequences become U+FFFD.
std::string DecodeText(std::string_view bytes, std::string_view charset);

}  // namespace veyra::http
