// TBufferedFS: a file stream with a 64 KiB buffer inside the object, so that byte-sized reads and
// writes cost one file transfer per 64 KiB.
//
// A stream has a direction, the mode of its latest transfer. In read mode the buffer holds bytes
// read ahead from the file and not yet delivered; in write mode it holds bytes accepted and not
// yet written. Positions are always the logical ones the caller sees.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/files.h"

namespace veyra::archive {

// How a stream opens its file.
//  OpenRead: an existing file, read access; others may read and write it meanwhile.
//  Create:   read and write access, no sharing; an existing file is replaced by an empty one.
enum class FileOpenMode { OpenRead, Create };

// The direction of a stream's latest transfer.
enum class TBFSMode : std::uint8_t { BFMRead = 0, BFMWrite = 1 };

class TBufferedFS {
 public:
  static constexpr std::size_t kBufferSize = 65536;

  // Opens or creates the file (throws veyra::Error naming the path and the system's reason).
  // The buffer starts empty and the mode is BFMWrite whatever the open mode.
  TBufferedFS(const std::string& path, FileOpenMode open_mode);
  TBufferedFS(const TBufferedFS&) = delete;
  TBufferedFS& operator=(const TBufferedFS&) = delete;
  // Writes the waiting bytes, then closes the file. A failure to write is lost here: callers
  // that must know call Close first.
  ~TBufferedFS();

  // Returns the bytes delivered: count, or fewer only at the end of the file (0 there).
  std::size_t Read(void* buffer, std::size_t count);
  // Returns the bytes accepted: always count; a failed file write throws.
  std::size_t Write(const void* data, std::size_t count);
  // Returns the new position. Asking for the current position (0 from Current) neither writes
  // nor moves; every other seek writes the waiting bytes first.
  std::int64_t Seek(std::int64_t offset, platform::SeekOrigin origin);
  // Writes the waiting bytes and closes the file; throws when the write fails. Later calls and
  // the destructor do nothing.
  void Close();

  // The same transfers without a copy through the caller's memory, for a codec that works on
  // the buffer itself.
  //
  // Read mode: the bytes the next reads would deliver, refilling the buffer from the file when
  // none are left; empty at the end of the file. Consume(count) delivers count of them.
  std::span<const std::byte> ReadableBytes();
  void Consume(std::size_t count);
  // Write mode: the free part of the buffer, writing the buffer to the file first when it is
  // full; never empty. Commit(count) accepts count bytes placed at its start.
  std::span<std::byte> WritableBytes();
  void Commit(std::size_t count);

 private:
  void EnterReadMode();
  void EnterWriteMode();
  void Flush();
  void Refill();
  std::size_t DeliverBuffered(std::byte* out, std::size_t count);
  void StoreInBuffer(const std::byte* data, std::size_t count);
  std::int64_t LogicalPosition();

  platform::File file_;
  bool closed_ = false;
  std::array<std::byte, kBufferSize> membuffer_;
  // Read mode: buffered bytes not yet delivered. Write mode: bytes waiting to be written.
  std::int32_t bytesinbuffer_ = 0;
  // Read mode: index of the next byte to deliver. Write mode: equal to bytesinbuffer_.
  std::int32_t bufferpos_ = 0;
  // True while waiting bytes must be written before the buffer is reused; false in read mode.
  bool bufferdirty_ = false;
  TBFSMode mode_ = TBFSMode::BFMWrite;
};

}  // namespace veyra::archive
