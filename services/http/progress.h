// The three progress events of a body transfer. They run on the thread that makes the request,
// inside the get; each is optional.
#pragma once

#include <cstdint>
#include <functional>

namespace veyra::http {

struct ProgressHandlers {
  // Once, when body reading starts: the Content-Length, or 0 when the length is unknown.
  std::function<void(std::int64_t expected)> workBegin;
  // After each block of at most 32768 bytes: the body bytes so far.
  std::function<void(std::int64_t count)> work;
  // Once, when body reading ends, also when it fails.
  std::function<void()> workEnd;
};

}  // namespace veyra::http
