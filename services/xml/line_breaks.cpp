#include "services/xml/line_breaks.h"

#include <algorithm>
#include <cstring>

namespace veyra::xml {
namespace {

// The position of the next `c` at or after `from`, or the size of the text.
std::size_t Next(std::string_view text, std::size_t from, char c) {
  const void* found = std::memchr(text.data() + from, c, text.size() - from);
  return found ? static_cast<const char*>(found) - text.data() : text.size();
}

}  // namespace

std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16 + 2);
  std::size_t next_cr = Next(text, 0, '\r');
  std::size_t next_lf = Next(text, 0, '\n');
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (next_cr < pos) next_cr = Next(text, pos, '\r');
    if (next_lf < pos) next_lf = Next(text, pos, '\n');
    const std::size_t line_end = std::min(next_cr, next_lf);
    out.append(text, pos, line_end - pos);
    if (line_end == text.size()) break;
    out += "\r\n";
    pos = line_end + (line_end == next_cr && next_lf == line_end + 1 ? 2 : 1);
  }
  if (!text.empty() && !out.ends_with("\r\n")) out += "\r\n";
  return out;
}

}  // namespace veyra::xml
