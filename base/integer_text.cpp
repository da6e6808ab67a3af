#include "base/integer_text.h"

namespace veyra {
namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Reads the digits that make up the rest of the text; nothing when any character is no digit or
// the value exceeds the limit.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  return value;
}

// The digits after a hexadecimal prefix; nothing when the text has no such prefix.
std::optional<std::string_view> HexDigits(std::string_view text) {
  for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
    if (text.substr(0, prefix.size()) == prefix) return text.substr(prefix.size());
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (const auto hex_digits = HexDigits(text)) {
    const auto value = ParseDigits(*hex_digits, 16, 0xFFFFFFFFu);
    if (!value) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(*value);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  const auto value = ParseDigits(text, 10, limit);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*value)
                                            : static_cast<std::int64_t>(*value));
}

}  // namespace veyra
