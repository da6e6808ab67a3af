// Response bytes from memory, handed out in reads of at most a given size, so tests and the fuzzer
// can feed the response reader any split of a response.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "services/http/byte_source.h"

namespace veyra::http {

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes, std::size_t readSize = 1 << 20)
      : bytes_(bytes), readSize_(std::max<std::size_t>(readSize, 1)) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t count = std::min({size, readSize_, bytes_.size()});
    std::memcpy(buffer, bytes_.data(), count);
    bytes_.remove_prefix(count);
    return count;
  }
  bool WaitForData(std::chrono::milliseconds) override { return true; }

 private:
  std::string_view bytes_;
  std::size_t readSize_;
};

}  // namespace veyra::http
