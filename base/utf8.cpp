#include "base/utf8.h"

namespace veyra {
namespace {

struct LeadByte {
  std::size_t length;
  char32_t bits;      // the code point bits the lead byte carries
  char32_t smallest;  // the smallest code point a sequence of this length may encode
};

// What a lead byte says of its sequence; length 0 when the byte cannot begin one.
LeadByte ReadLeadByte(unsigned char lead) {
  if (lead < 0x80) return {1, lead, 0};
  if ((lead & 0xE0) == 0xC0) return {2, char32_t{lead & 0x1Fu}, 0x80};
  if ((lead & 0xF0) == 0xE0) return {3, char32_t{lead & 0x0Fu}, 0x800};
  if ((lead & 0xF8) == 0xF0) return {4, char32_t{lead & 0x07u}, 0x10000};
  return {0, 0, 0};
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool IsCharacter(char32_t code_point) {
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  return !surrogate && code_point <= 0x10FFFF;
}

}  // namespace

void AppendUtf8(std::string& text, char32_t code_point) {
  const auto put = [&](char32_t byte) { text += static_cast<char>(byte); };
  if (code_point < 0x80) {
    put(code_point);
  } else if (code_point < 0x800) {
    put(0xC0 | (code_point >> 6));
    put(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    put(0xE0 | (code_point >> 12));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  } else {
    put(0xF0 | (code_point >> 18));
    put(0x80 | ((code_point >> 12) & 0x3F));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  }
}

char32_t DecodeUtf8Sequence(std::string_view text, std::size_t& length) {
  length = 0;
  if (text.empty()) return 0;
  const LeadByte lead = ReadLeadByte(static_cast<unsigned char>(text[0]));
  if (lead.length == 0 || text.size() < lead.length) return 0;
  char32_t code_point = lead.bits;
  for (std::size_t i = 1; i < lead.length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsContinuation(byte)) return 0;
    code_point = (code_point << 6) | (byte & 0x3F);
  }
  if (code_point < lead.smallest || !IsCharacter(code_point)) return 0;
  length = lead.length;
  return code_point;
}

std::u32string DecodeUtf8(std::string_view text, char32_t replacement) {
  std::u32string code_points;
  code_points.reserve(text.size());
  while (!text.empty()) {
    std::size_t length = 0;
    const char32_t code_point = DecodeUtf8Sequence(text, length);
    code_points.push_back(length ? code_point : replacement);
    text.remove_prefix(length ? length : 1);
  }
  return code_points;
}

std::string EncodeUtf8(std::u32string_view code_points) {
  std::string text;
  text.reserve(code_points.size());
  for (const char32_t c : code_points) AppendUtf8(text, c);
  return text;
}

std::string SanitizeUtf8(std::string_view text, char32_t replacement) {
  std::string sane;
  sane.reserve(text.size());
  while (!text.empty()) {
    std::size_t length = 0;
    DecodeUtf8Sequence(text, length);
    if (length) {
      sane.append(text.substr(0, length));
    } else {
      AppendUtf8(sane, replacement);
    }
    text.remove_prefix(length ? length : 1);
  }
  return sane;
}

}  // namespace veyra
