#include "archive/buffered_fs.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <exception>

namespace veyra::archive {

namespace {

constexpr auto kBufferSize32 = static_cast<std::int32_t>(TBufferedFS::kBufferSize);

platform::File OpenFile(const std::string& path, FileOpenMode open_mode) {
  if (open_mode == FileOpenMode::OpenRead) {
    return platform::File::OpenForReading(path, platform::Sharing::ReadWrite);
  }
  return platform::File::Create(path);
}

}  // namespace

TBufferedFS::TBufferedFS(const std::string& path, FileOpenMode open_mode)
    : file_(OpenFile(path, open_mode)) {}

TBufferedFS::~TBufferedFS() {
  try {
    Close();
  } catch (const std::exception&) {
    // A destructor cannot report; Close is there for callers that must know.
  }
}

void TBufferedFS::Close() {
  if (closed_) return;
  closed_ = true;
  try {
    Flush();
  } catch (...) {
    file_.Close();
    throw;
  }
  file_.Close();
}

std::size_t TBufferedFS::Read(void* buffer, std::size_t count) {
  EnterReadMode();
  auto* out = static_cast<std::byte*>(buffer);
  if (count <= static_cast<std::size_t>(bytesinbuffer_)) return DeliverBuffered(out, count);

  const std::size_t delivered = DeliverBuffered(out, static_cast<std::size_t>(bytesinbuffer_));
  const std::size_t rest = count - delivered;
  if (rest >= kBufferSize) return delivered + file_.Read(out + delivered, rest);
  Refill();
  const std::size_t available = std::min(rest, static_cast<std::size_t>(bytesinbuffer_));
  return delivered + DeliverBuffered(out + delivered, available);
}

std::size_t TBufferedFS::Write(const void* data, std::size_t count) {
  EnterWriteMode();
  const auto* in = static_cast<const std::byte*>(data);
  const std::size_t room = kBufferSize - static_cast<std::size_t>(bytesinbuffer_);
  if (count <= room) {
    StoreInBuffer(in, count);
    return count;
  }

  std::size_t taken = 0;
  if (bytesinbuffer_ > 0 && room > 0) {
    StoreInBuffer(in, room);
    taken = room;
  }
  Flush();
  const std::size_t rest = count - taken;
  if (rest >= kBufferSize) {
    file_.Write(in + taken, rest);
  } else {
    StoreInBuffer(in + taken, rest);
  }
  return count;
}

std::int64_t TBufferedFS::Seek(std::int64_t offset, platform::SeekOrigin origin) {
  if (origin == platform::SeekOrigin::Current) {
    const std::int64_t position = LogicalPosition();
    if (offset == 0) return position;
    offset += position;
    origin = platform::SeekOrigin::Begin;
  }
  Flush();
  return file_.Seek(offset, origin);
}

std::span<const std::byte> TBufferedFS::ReadableBytes() {
  EnterReadMode();
  if (bytesinbuffer_ == 0) Refill();
  return {membuffer_.data() + bufferpos_, static_cast<std::size_t>(bytesinbuffer_)};
}

void TBufferedFS::Consume(std::size_t count) {
  assert(mode_ == TBFSMode::BFMRead && count <= static_cast<std::size_t>(bytesinbuffer_));
  bufferpos_ += static_cast<std::int32_t>(count);
  bytesinbuffer_ -= static_cast<std::int32_t>(count);
}

std::span<std::byte> TBufferedFS::WritableBytes() {
  EnterWriteMode();
  if (bytesinbuffer_ == kBufferSize32) Flush();
  return {membuffer_.data() + bufferpos_, kBufferSize - static_cast<std::size_t>(bufferpos_)};
}

void TBufferedFS::Commit(std::size_t count) {
  assert(mode_ == TBFSMode::BFMWrite && count <= kBufferSize - static_cast<std::size_t>(bufferpos_));
  if (count == 0) return;
  bufferpos_ += static_cast<std::int32_t>(count);
  bytesinbuffer_ = bufferpos_;
  bufferdirty_ = true;
}

void TBufferedFS::EnterReadMode() {
  if (mode_ == TBFSMode::BFMWrite) Flush();
  mode_ = TBFSMode::BFMRead;
}

// A write after reads starts where the caller stopped reading, not where the read-ahead ended.
void TBufferedFS::EnterWriteMode() {
  if (mode_ == TBFSMode::BFMRead && bytesinbuffer_ > 0) {
    file_.Seek(-static_cast<std::int64_t>(bytesinbuffer_), platform::SeekOrigin::Current);
    bytesinbuffer_ = 0;
    bufferpos_ = 0;
  }
  mode_ = TBFSMode::BFMWrite;
}

// The buffer is emptied before the write, so a failed write is reported once, not again by a
// later flush.
void TBufferedFS::Flush() {
  const bool dirty = bufferdirty_;
  const auto waiting = static_cast<std::size_t>(bufferpos_);
  bufferdirty_ = false;
  bytesinbuffer_ = 0;
  bufferpos_ = 0;
  if (dirty) file_.Write(membuffer_.data(), waiting);
}

void TBufferedFS::Refill() {
  Flush();
  bytesinbuffer_ = static_cast<std::int32_t>(file_.Read(membuffer_.data(), kBufferSize));
  bufferpos_ = 0;
}

std::size_t TBufferedFS::DeliverBuffered(std::byte* out, std::size_t count) {
  if (count == 0) return 0;
  std::memcpy(out, membuffer_.data() + bufferpos_, count);
  bufferpos_ += static_cast<std::int32_t>(count);
  bytesinbuffer_ -= static_cast<std::int32_t>(count);
  return count;
}

void TBufferedFS::StoreInBuffer(const std::byte* data, std::size_t count) {
  if (count == 0) return;
  std::memcpy(membuffer_.data() + bufferpos_, data, count);
  bufferpos_ += static_cast<std::int32_t>(count);
  bytesinbuffer_ = bufferpos_;
  bufferdirty_ = true;
}

std::int64_t TBufferedFS::LogicalPosition() {
  const std::int64_t file_position = file_.Seek(0, platform::SeekOrigin::Current);
  if (mode_ == TBFSMode::BFMWrite) return file_position + bufferpos_;
  return file_position - bytesinbuffer_;
}

}  // namespace veyra::archive
