#include "patch/read_ahead.h"

#include <algorithm>

#include "base/error.h"

namespace veyra {

void ReadExactly(platform::File& file, void* buffer, std::size_t count) {
  if (file.Read(buffer, count) != count) {
    throw Error("Cannot read " + file.path() + " to its end: the file is shorter than its size");
  }
}

ReadAhead::ReadAhead(platform::File& file, std::int64_t size, std::size_t block_size)
    : file_(file),
      size_(size),
      block_size_(block_size),
      buffers_(std::make_unique_for_overwrite<unsigned char[]>(kBlocks * block_size)),
      reader_([this] { ReadAll(); }) {}

ReadAhead::~ReadAhead() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  reader_.join();
}

// The reader may fill a buffer when it is not the one the caller still holds: at most
// kBlocks - 1 blocks ahead of the block in use.
bool ReadAhead::WaitForFreeBuffer() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return stop_ || filled_ + 1 < consumed_ + kBlocks; });
  return !stop_;
}

void ReadAhead::ReadAll() {
  try {
    for (std::int64_t remaining = size_; remaining > 0;) {
      if (!WaitForFreeBuffer()) return;
      const std::size_t slot = filled_ % kBlocks;
      const auto wanted = static_cast<std::size_t>(
          std::min<std::int64_t>(remaining, static_cast<std::int64_t>(block_size_)));
      ReadExactly(file_, buffers_.get() + slot * block_size_, wanted);
      remaining -= static_cast<std::int64_t>(wanted);
      {
        std::lock_guard lock(mutex_);
        lengths_[slot] = wanted;
        ++filled_;
      }
      changed_.notify_all();
    }
  } catch (...) {
    std::lock_guard lock(mutex_);
    failure_ = std::current_exception();
  }
  {
    std::lock_guard lock(mutex_);
    done_ = true;
  }
  changed_.notify_all();
}

std::span<const unsigned char> ReadAhead::Next() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return filled_ > consumed_ || done_; });
  if (filled_ == consumed_) {
    if (failure_) std::rethrow_exception(failure_);
    return {};
  }
  const std::size_t slot = consumed_ % kBlocks;
  ++consumed_;
  lock.unlock();
  changed_.notify_all();
  return {buffers_.get() + slot * block_size_, lengths_[slot]};
}

}  // namespace veyra
