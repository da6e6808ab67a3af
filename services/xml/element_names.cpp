#include "services/xml/element_names.h"

#include <string>

#include "platform/text.h"

namespace veyra::xml {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAsciiWordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsAsciiWord(std::string_view name) {
  for (char c : name) {
    if (!IsAsciiWordCharacter(c)) return false;
  }
  return true;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool AttributeNamesEqual(std::string_view a, std::string_view b) {
  return EqualIgnoringAsciiCase(a, b);
}

// The system's comparison is costly and locale-dependent (a Turkish "I" is no capital "i"), so it
// decides every case but two that it cannot decide otherwise: equal bytes, and ASCII words that
// differ in more than the case of their letters.
bool ElementNamesEqual(std::string_view a, std::string_view b, Charset charset) {
  if (a == b) return true;
  if (IsAsciiWord(a) && IsAsciiWord(b) && !EqualIgnoringAsciiCase(a, b)) return false;
  if (charset == Charset::kAnsiCodePage) {
    return platform::CompareIgnoringCase(platform::AnsiToUtf8(std::string(a)),
                                         platform::AnsiToUtf8(std::string(b))) == 0;
  }
  return platform::CompareIgnoringCase(std::string(a), std::string(b)) == 0;
}

}  // namespace veyra::xml
