// Where response bytes come from: a connection, or memory for tests and the fuzzer.
#pragma once

#include <chrono>
#include <cstddef>

namespace veyra::http {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Waits for bytes; returns how many were read (at most size), 0 when the peer has closed.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  // Whether bytes (or the close) arrive within the time.
  virtual bool WaitForData(std::chrono::milliseconds wait) = 0;
};

}  // namespace veyra::http
