// Text on POSIX: UTF-8 is the ANSI code page, code page 866 comes from its table, and letter case
// follows the Unicode mapping of the C.UTF-8 locale.
#include "platform/text.h"

#include <locale.h>

#include <algorithm>
#include <array>
#include <cwctype>

#include "base/utf8.h"

namespace veyra::platform {
namespace {

// The characters of bytes 0x80 to 0xFF in code page 866; bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 128> kOem866High = {
    // 0x80: А to Я
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B,
    0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    // 0xA0: а to п
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F,
    // 0xB0: shades and box drawing
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    // 0xE0: р to я
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B,
    0x044C, 0x044D, 0x044E, 0x044F,
    // 0xF0: Ё ё Є є Ї ї Ў ў ° ∙ · √ № ¤ ■ no-break space
    0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E, 0x00B0, 0x2219, 0x00B7, 0x221A,
    0x2116, 0x00A4, 0x25A0, 0x00A0};

char ToOem866(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  const auto found = std::find(kOem866High.begin(), kOem866High.end(), c);
  if (found == kOem866High.end()) return '?';
  return static_cast<char>(0x80 + (found - kOem866High.begin()));
}

// The C.UTF-8 locale, loaded once; without it only ASCII letters change case.
locale_t UnicodeLocale() {
  static const locale_t locale = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  return locale;
}

char32_t LowerCase(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
  const locale_t locale = UnicodeLocale();
  return locale ? static_cast<char32_t>(::towlower_l(static_cast<wint_t>(c), locale)) : c;
}

std::u32string LowerCase(std::u32string code_points) {
  for (char32_t& c : code_points) c = LowerCase(c);
  return code_points;
}

}  // namespace

std::string Utf8ToAnsi(const std::string& utf8) { return SanitizeUtf8(utf8, U'?'); }

std::string AnsiToUtf8(const std::string& ansi) { return SanitizeUtf8(ansi); }

std::string Utf8ToOem866(const std::string& utf8) {
  std::string oem;
  for (const char32_t c : DecodeUtf8(utf8, U'?')) oem += ToOem866(c);
  return oem;
}

std::string ToLower(const std::string& utf8) { return EncodeUtf8(LowerCase(DecodeUtf8(utf8))); }

int CompareIgnoringCase(const std::string& a, const std::string& b) {
  const int order = LowerCase(DecodeUtf8(a)).compare(LowerCase(DecodeUtf8(b)));
  return (order > 0) - (order < 0);
}

}  // namespace veyra::platform
