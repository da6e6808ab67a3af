// Lines and blocks of a response, read through one 32 KiB buffer.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "services/http/byte_source.h"

namespace veyra::http {

// The largest block one read hands on, and the receive buffer's size.
inline constexpr std::size_t kBlockSize = 32768;
// The longest status or header line, without its line break.
inline constexpr std::size_t kMaxLineLength = 16384;

class BufferedReader {
 public:
  explicit BufferedReader(ByteSource& source) : source_(source) {}
  BufferedReader(const BufferedReader&) = delete;
  BufferedReader& operator=(const BufferedReader&) = delete;

  // The next line without its CR LF (or bare LF); nothing when the peer closes before the line
  // is complete. Throws "Max line length exceeded." for a longer line than kMaxLineLength.
  std::optional<std::string> ReadLine();
  // The next line with its line break, or the next piece of a longer line, at most kBlockSize
  // bytes; empty when the peer has closed.
  std::string_view ReadRawLine();
  // The next block, at most max bytes: buffered bytes first, else one read from the source.
  // Empty when the peer has closed. Valid until the next call.
  std::string_view ReadSome(std::size_t max);
  bool WaitForData(std::chrono::milliseconds wait);

 private:
  std::string_view Buffered() const;
  // Reads more into an empty buffer; false when the peer has closed.
  bool Refill();

  ByteSource& source_;
  std::array<char, kBlockSize> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

}  // namespace veyra::http
