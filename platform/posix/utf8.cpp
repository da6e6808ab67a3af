#include "platform/posix/utf8.h"

namespace veyra::platform::posix {
namespace {

struct Decoded {
  char32_t code_point;
  std::size_t length;  // 0 when the bytes do not form a well-formed sequence
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

Decoded DecodeOne(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length;
  char32_t code_point;
  char32_t smallest;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code_point = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code_point = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code_point = lead & 0x07, smallest = 0x10000;
  } else {
    return {0, 0};
  }
  if (text.size() < length) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsContinuation(byte)) return {0, 0};
    code_point = (code_point << 6) | (byte & 0x3F);
  }
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  if (code_point < smallest || surrogate || code_point > 0x10FFFF) return {0, 0};
  return {code_point, length};
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text, char32_t replacement) {
  std::u32string code_points;
  code_points.reserve(text.size());
  while (!text.empty()) {
    const Decoded decoded = DecodeOne(text);
    code_points.push_back(decoded.length ? decoded.code_point : replacement);
    text.remove_prefix(decoded.length ? decoded.length : 1);
  }
  return code_points;
}

std::string EncodeUtf8(std::u32string_view code_points) {
  std::string text;
  text.reserve(code_points.size());
  for (const char32_t c : code_points) {
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c < 0x800) {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      text += static_cast<char>(0xE0 | (c >> 12));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (c >> 18));
      text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

}  // namespace veyra::platform::posix
