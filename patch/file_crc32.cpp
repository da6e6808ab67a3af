// FileCRC32: reading a file from the page cache is mostly copying, and one core that both copies
// and checksums runs well below the speed at which the file can be read. Large files are therefore split in
// two halves, checksummed at once on two threads, and the two checksums joined.
#include <algorithm>
#include <future>
#include <memory>

#include "base/error.h"
#include "patch/crc32.h"
#include "platform/files.h"
#include "platform/thread.h"

namespace veyra {
namespace {

// Large enough that reading a cached file runs near memory speed, small enough that a block is
// still in the core's own cache when it is checksummed.
constexpr std::int64_t kBlockSize = 256 * 1024;
// From this size on a second thread pays for itself.
constexpr std::int64_t kSplitSize = 4 * 1024 * 1024;

// The register after length bytes of the file from offset, started from crc. Memory stays at one
// block whatever the length.
std::uint32_t ChecksumRange(platform::File& file, std::int64_t offset, std::int64_t length,
                            std::uint32_t crc) {
  const auto buffer_size = static_cast<std::size_t>(std::min(length, kBlockSize));
  const auto buffer = std::make_unique_for_overwrite<unsigned char[]>(buffer_size);
  for (std::int64_t done = 0; done < length;) {
    const auto wanted = static_cast<std::size_t>(std::min(length - done, kBlockSize));
    if (file.ReadAt(buffer.get(), wanted, offset + done) != wanted) {
      throw Error("Cannot read " + file.path() + " to its end: the file is shorter than its size");
    }
    crc = UpdateCRC32(crc, buffer.get(), wanted);
    done += static_cast<std::int64_t>(wanted);
  }
  return crc;
}

}  // namespace

std::string FileCRC32(const std::string& path) {
  platform::File file = platform::File::OpenForReading(path, platform::Sharing::None);
  const std::int64_t size = file.Size();
  if (size < kSplitSize) return FormatCRC32(~ChecksumRange(file, 0, size, 0xFFFFFFFFu));

  // The helper works at its caller's priority. Should the first half fail, the future still waits
  // for the helper before the file closes.
  const std::int64_t half = size / 2;
  const auto priority = platform::ThreadPriority::OfCurrentThread();
  auto second_half = std::async(std::launch::async, [&file, half, size, priority] {
    priority.ApplyToCurrentThread();
    return ChecksumRange(file, half, size - half, 0);
  });
  const std::uint32_t first_half = ChecksumRange(file, 0, half, 0xFFFFFFFFu);
  return FormatCRC32(
      ~CombineCRC32(first_half, second_half.get(), static_cast<std::uint64_t>(size - half)));
}

}  // namespace veyra
