// The few character rules shared by the parser and the attribute lookup.
#pragma once

#include <cstddef>
#include <string_view>

namespace veyra::xml {

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

inline bool IsQuote(char c) { return c == '"' || c == '\''; }

inline std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

// The position of the closing quote matching the one at `quote`, or npos. Quoted values are
// short, so a plain loop beats a call to memchr.
inline std::size_t ClosingQuote(std::string_view text, std::size_t quote) {
  for (std::size_t pos = quote + 1; pos < text.size(); ++pos) {
    if (text[pos] == text[quote]) return pos;
  }
  return std::string_view::npos;
}

// The next ">" at or after `pos` that is not inside single or double quotes, or npos.
inline std::size_t FindTagEnd(std::string_view text, std::size_t pos) {
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '>') return pos;
    if (IsQuote(c)) {
      pos = ClosingQuote(text, pos);
      if (pos == std::string_view::npos) return pos;
    }
  }
  return std::string_view::npos;
}

// The end of the word starting at `pos`: the next blank outside quotes, the next "=" outside
// quotes when `stop_at_equals`, or the end of the text.
inline std::size_t WordEnd(std::string_view text, std::size_t pos, bool stop_at_equals) {
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (IsBlank(c) || (stop_at_equals && c == '=')) return pos;
    if (IsQuote(c)) {
      pos = ClosingQuote(text, pos);
      if (pos == std::string_view::npos) return text.size();
    }
  }
  return pos;
}

}  // namespace veyra::xml
