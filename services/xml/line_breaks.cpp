#include "services/xml/line_breaks.h"

namespace veyra::xml {

std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32 + 2);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t line_end = text.find_first_of("\r\n", pos);
    if (line_end == std::string_view::npos) {
      out += text.substr(pos);
      break;
    }
    out += text.substr(pos, line_end - pos);
    out += "\r\n";
    const bool crlf = text[line_end] == '\r' && line_end + 1 < text.size() &&
                      text[line_end + 1] == '\n';
    pos = line_end + (crlf ? 2 : 1);
  }
  if (!text.empty() && !out.ends_with("\r\n")) out += "\r\n";
  return out;
}

}  // namespace veyra::xml
