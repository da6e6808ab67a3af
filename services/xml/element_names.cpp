#include "services/xml/element_names.h"

#include <string>

#include "platform/text.h"

namespace veyra::xml {
namespace {

bool IsAsciiWordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsAsciiWord(std::string_view name) {
  for (char c : name) {
    if (!IsAsciiWordCharacter(c)) return false;
  }
  return true;
}

}  // namespace

// The system's comparison is costly and depends on the user's locale (in Turkish, "I" is not the
// capital of "i"), so only two answers are given without it: equal bytes are equal names, and
// ASCII words that differ in more than letter case are different names.
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
