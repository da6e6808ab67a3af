#include "services/http/response_head.h"

#include <charconv>

#include "base/error.h"

namespace veyra::http {

int StatusCode(std::string_view statusLine) {
  const std::size_t first = statusLine.find(' ');
  if (first == std::string_view::npos) return -1;
  std::string_view word = statusLine.substr(first + 1);
  word = word.substr(0, word.find(' '));
  word = word.substr(0, word.find('.'));
  int code = -1;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), code);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) return -1;
  return code;
}

ResponseHead ReadResponseHead(BufferedReader& reader) {
  for (;;) {
    std::optional<std::string> statusLine = reader.ReadLine();
    if (!statusLine) throw Error("Connection Closed Gracefully.");
    ResponseHead head;
    head.statusCode = StatusCode(*statusLine);
    head.statusLine = std::move(*statusLine);
    for (;;) {
      const std::optional<std::string> line = reader.ReadLine();
      if (!line || line->empty()) break;
      head.headers.AddLine(*line);
    }
    const bool informational = head.statusCode >= 100 && head.statusCode <= 199;
    if (!informational || head.statusCode == 101) return head;
  }
}

bool KeepsConnectionAlive(const ResponseHead& head) {
  if (head.headers.HasToken("Connection", "close")) return false;
  if (head.statusLine.starts_with("HTTP/1.0")) {
    return head.headers.HasToken("Connection", "keep-alive");
  }
  return true;
}

}  // namespace veyra::http
