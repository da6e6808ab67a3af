#include "services/http/text_decoding.h"

#include <cstdint>
#include <utility>

#include "base/utf8.h"
#include "platform/charset.h"
#include "services/http/headers.h"

namespace veyra::http {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::string DecodeLatin1(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string DecodeAscii(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    AppendUtf8(out, static_cast<unsigned char>(c) < 0x80 ? static_cast<char32_t>(c) : kReplacement);
  }
  return out;
}

// Joins UTF-16 code units into characters; a lone surrogate becomes U+FFFD.
class Utf16Joiner {
 public:
  explicit Utf16Joiner(std::string& out) : out_(out) {}
  void Add(char16_t unit) {
    if (high_ != 0) {
      const char32_t high = std::exchange(high_, 0);
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        AppendUtf8(out_, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
        return;
      }
      AppendUtf8(out_, kReplacement);
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      high_ = unit;
    } else {
      AppendUtf8(out_, unit >= 0xDC00 && unit <= 0xDFFF ? kReplacement : char32_t{unit});
    }
  }
  void Finish() {
    if (std::exchange(high_, 0) != 0) AppendUtf8(out_, kReplacement);
  }

 private:
  std::string& out_;
  char32_t high_ = 0;  // a high surrogate waiting for its low half, 0 when none
};

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  Utf16Joiner joiner(out);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    joiner.Add(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
  }
  joiner.Finish();
  if (bytes.size() % 2 != 0) AppendUtf8(out, kReplacement);
  return out;
}

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// RFC 2152: direct characters as they are; "+" opens a modified-base64 run of UTF-16 units that
// ends at the first other character (a "-" there is absorbed); "+-" is "+".
std::string DecodeUtf7(std::string_view bytes) {
  std::string out;
  Utf16Joiner joiner(out);
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i++];
    if (c != '+') {
      joiner.Finish();
      AppendUtf8(out, static_cast<unsigned char>(c) < 0x80 ? static_cast<char32_t>(c) : kReplacement);
      continue;
    }
    if (i < bytes.size() && bytes[i] == '-') {
      joiner.Finish();
      out += '+';
      ++i;
      continue;
    }
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (int value; i < bytes.size() && (value = Base64Value(bytes[i])) >= 0; ++i) {
      bits = (bits << 6 | static_cast<std::uint32_t>(value)) & 0xFFFFFF;
      bitCount += 6;
      if (bitCount >= 16) {
        bitCount -= 16;
        joiner.Add(static_cast<char16_t>(bits >> bitCount));
      }
    }
    if (i < bytes.size() && bytes[i] == '-') ++i;
  }
  joiner.Finish();
  return out;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return lower;
}

bool IsOneOf(const std::string& name, std::initializer_list<std::string_view> names) {
  for (std::string_view known : names) {
    if (name == known) return true;
  }
  return false;
}

}  // namespace

std::string DecodeText(std::string_view bytes, std::string_view charset) {
  const std::string name = Lower(TrimBlanks(charset));
  if (IsOneOf(name, {"utf-8", "utf8"})) return SanitizeUtf8(bytes);
  if (IsOneOf(name, {"utf-7", "utf7", "unicode-1-1-utf-7"})) return DecodeUtf7(bytes);
  if (IsOneOf(name, {"utf-16", "utf-16le", "unicode"})) return DecodeUtf16(bytes, false);
  if (IsOneOf(name, {"utf-16be", "unicodefffe"})) return DecodeUtf16(bytes, true);
  if (IsOneOf(name, {"us-ascii", "ascii", "ansi_x3.4-1968", "iso646-us"})) {
    return DecodeAscii(bytes);
  }
  if (!name.empty()) {
    if (auto decoded = platform::CharsetToUtf8(bytes, name)) return std::move(*decoded);
  }
  return DecodeLatin1(bytes);
}

}  // namespace veyra::http
