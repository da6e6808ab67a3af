// Body framing: how the end of a body is found, and the reading of it into a target with the
// progress events.
#pragma once

#include <cstdint>
#include <string>

#include "services/http/buffered_reader.h"
#include "services/http/output_stream.h"
#include "services/http/progress.h"
#include "services/http/response_head.h"

namespace veyra::http {

struct BodyFraming {
  enum class Kind {
    None,        // no body belongs to the response (1xx, 204, 304, Content-Length 0)
    Length,      // exactly `length` bytes
    Chunked,     // chunks up to the zero-size chunk, then trailer fields
    Multipart,   // lines up to and including the closing boundary line
    UntilClose,  // everything up to the peer's close
  };
  Kind kind = Kind::None;
  std::int64_t length = 0;
  std::string boundary;

  // Whether the connection is at the next response once the body has been read.
  bool EndsBeforeClose() const { return kind != Kind::UntilClose; }
};

BodyFraming FramingOf(const ResponseHead& head);

// Reads the body into target. Work begin runs once with the expected length (0 when unknown),
// work after each block with the count so far, work end once, also on failure; none of them when
// the framing has no body. Trailer fields of a chunked body are added to head's headers. Throws
// "Connection Closed Gracefully." when the peer closes before the framing's end.
void ReadBody(BufferedReader& reader, const BodyFraming& framing, ResponseHead& head,
              OutputStream& target, const ProgressHandlers& progress);

}  // namespace veyra::http
