#include "services/xml/references.h"

#include <cstdint>
#include <optional>

#include "base/utf8.h"
#include "platform/text.h"

namespace veyra::xml {
namespace {

struct NamedEntity {
  std::string_view name;
  char character;
};
constexpr NamedEntity kNamedEntities[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"apos", '\''}, {"quot", '"'},
};

// Numeric references stand for characters below this number only.
constexpr std::uint32_t kCharacterLimit = 65535;

int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The number of a reference body "#DDD" or "#xHHH", when its digits convert below the limit.
std::optional<std::uint32_t> NumericReferenceValue(std::string_view body) {
  if (!body.starts_with('#')) return std::nullopt;
  body.remove_prefix(1);
  int base = 10;
  if (body.starts_with('x') || body.starts_with('X')) {
    base = 16;
    body.remove_prefix(1);
  }
  if (body.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : body) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * base + static_cast<std::uint32_t>(digit);
    if (value >= kCharacterLimit) return std::nullopt;
  }
  return value;
}

void AppendCharacter(std::uint32_t code, Charset charset, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code >= 0xD800 && code <= 0xDFFF) {
    out += '?';  // half of a surrogate pair is no character of its own
  } else if (charset == Charset::kUtf8) {
    AppendUtf8(out, code);
  } else {
    std::string utf8;
    AppendUtf8(utf8, code);
    out += platform::Utf8ToAnsi(utf8);
  }
}

bool AppendReference(std::string_view body, Charset charset, std::string& out) {
  for (const NamedEntity& entity : kNamedEntities) {
    if (body == entity.name) {
      out += entity.character;
      return true;
    }
  }
  const std::optional<std::uint32_t> code = NumericReferenceValue(body);
  if (!code) return false;
  AppendCharacter(*code, charset, out);
  return true;
}

}  // namespace

std::string DecodeReferences(std::string_view text, Charset charset) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (;;) {
    const std::size_t ampersand = text.find('&', pos);
    const std::size_t semicolon =
        ampersand == std::string_view::npos ? ampersand : text.find(';', ampersand + 1);
    if (semicolon == std::string_view::npos) break;
    out += text.substr(pos, ampersand - pos);
    const std::string_view reference = text.substr(ampersand, semicolon + 1 - ampersand);
    if (!AppendReference(reference.substr(1, reference.size() - 2), charset, out)) {
      out += reference;
    }
    pos = semicolon + 1;
  }
  out += text.substr(pos);
  return out;
}

std::string UnquoteAttributeValue(std::string_view stored) {
  if (stored.size() < 2 || (stored[0] != '"' && stored[0] != '\'')) return std::string(stored);
  const char quote = stored[0];
  const std::size_t close = stored.find(quote, 1);
  if (close == std::string_view::npos || close + 1 == stored.size() || stored[close + 1] != quote) {
    return std::string(stored.substr(1, close == std::string_view::npos ? close : close - 1));
  }
  std::string out;
  for (std::size_t i = 1; i < stored.size(); ++i) {
    if (stored[i] == quote) {
      if (i + 1 == stored.size() || stored[i + 1] != quote) break;
      ++i;  // a doubled quote stands for one
    }
    out += stored[i];
  }
  return out;
}

}  // namespace veyra::xml
