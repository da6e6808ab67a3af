// Server response bytes through the response reader: status line, header fields, body framing
// (length, chunked, multipart, until close) and the text decoding of the body. The first byte
// chooses how the rest is split into reads, so framing is tried across every read boundary.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/error.h"
#include "services/http/body_reader.h"
#include "services/http/memory_source.h"
#include "services/http/response_charset.h"
#include "services/http/text_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t readSize = data[0] < 192 ? data[0] % 16 + 1 : std::size_t{1} << 20;
  const std::string_view response(reinterpret_cast<const char*>(data + 1), size - 1);
  veyra::http::MemorySource source(response, readSize);
  veyra::http::BufferedReader reader(source);
  std::string body;
  try {
    veyra::http::ResponseHead head = veyra::http::ReadResponseHead(reader);
    veyra::http::KeepsConnectionAlive(head);
    veyra::http::StringOutputStream target(body);
    std::int64_t count = 0;
    veyra::http::ProgressHandlers progress;
    progress.work = [&count](std::int64_t n) {
      if (n <= count) __builtin_trap();
      count = n;
    };
    veyra::http::ReadBody(reader, veyra::http::FramingOf(head), head, target, progress);
    if (static_cast<std::size_t>(count) != body.size() || body.size() > response.size()) {
      __builtin_trap();
    }
    const std::string contentType(head.headers.Find("Content-Type").value_or(""));
    veyra::http::DecodeText(body, veyra::http::ResponseCharset(contentType, body, head.headers));
  } catch (const veyra::Error&) {
    // A malformed or cut response fails with a message; anything else is a finding.
  }
  return 0;
}
