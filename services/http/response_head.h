// The status line and header fields of a response.
#pragma once

#include <string>
#include <string_view>

#include "services/http/buffered_reader.h"
#include "services/http/headers.h"

namespace veyra::http {

struct ResponseHead {
  std::string statusLine;  // exactly as the server sent it
  int statusCode = -1;
  Headers headers;
};

// The code of a status line: the second blank-separated word up to any "."; -1 when that is not
// a number.
int StatusCode(std::string_view statusLine);

// Reads the status line and the header fields up to the empty line, skipping informational
// responses (100 to 199 except 101). A close among the header fields ends them there. Throws
// "Connection Closed Gracefully." when the peer closes before a status line.
ResponseHead ReadResponseHead(BufferedReader& reader);

// Whether the connection may carry the next request after this response (body framing aside):
// no "Connection: close", and an HTTP/1.0 server asked for keep-alive.
bool KeepsConnectionAlive(const ResponseHead& head);

}  // namespace veyra::http
