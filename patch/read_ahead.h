// Reads a file block by block on a thread of its own, a few blocks ahead of the caller, so that
// reading and processing the blocks overlap. Memory stays fixed: kBlocks buffers of block_size.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "platform/files.h"

namespace veyra {

// Reads count bytes or throws veyra::Error when the file ends before.
void ReadExactly(platform::File& file, void* buffer, std::size_t count);

class ReadAhead {
 public:
  // Reads exactly size bytes of file; the file must stay alive as long as this object.
  ReadAhead(platform::File& file, std::int64_t size, std::size_t block_size);
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;
  ~ReadAhead();

  // The next block, empty after the last one. The block stays valid until the next call. Throws
  // what reading failed with, or veyra::Error when the file ends before size bytes.
  std::span<const unsigned char> Next();

 private:
  static constexpr std::size_t kBlocks = 3;

  void ReadAll();
  bool WaitForFreeBuffer();

  platform::File& file_;
  const std::int64_t size_;
  const std::size_t block_size_;
  std::unique_ptr<unsigned char[]> buffers_;
  std::size_t lengths_[kBlocks] = {};

  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t filled_ = 0;    // blocks read so far
  std::size_t consumed_ = 0;  // blocks handed to the caller, the last one still in use
  bool done_ = false;         // the reader has stopped: at the end or on failure
  bool stop_ = false;         // the caller has gone
  std::exception_ptr failure_;
  std::thread reader_;
};

}  // namespace veyra
