#include "archive/buffered_fs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "base/error.h"
#include "testing/temp_dir.h"

namespace veyra::archive {
namespace {

using platform::SeekOrigin;

// Bytes whose value tells their position, so a misplaced block shows.
std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

std::string ReadFrom(TBufferedFS& stream, std::size_t count) {
  std::string bytes(count, '\0');
  bytes.resize(stream.Read(bytes.data(), count));
  return bytes;
}

std::uintmax_t SizeOnDisk(const std::string& path) { return std::filesystem::file_size(path); }

class BufferedFSTest : public ::testing::Test {
 protected:
  veyra::testing::TempDir dir_;
};

TEST_F(BufferedFSTest, ReadBeyondTheBufferDeliversBufferedBytesThenTheRestFromTheFile) {
  const std::string content = Pattern(200'000);
  const std::string path = dir_.WriteFile("data.bin", content);
  TBufferedFS stream(path, FileOpenMode::OpenRead);

  // The first read fills the buffer and leaves 10 of its bytes waiting.
  ASSERT_EQ(ReadFrom(stream, 65'526), content.substr(0, 65'526));
  EXPECT_EQ(ReadFrom(stream, 70'000), content.substr(65'526, 70'000));
  EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), 135'526);
  EXPECT_EQ(ReadFrom(stream, 100), content.substr(135'526, 100));
}

TEST_F(BufferedFSTest, ReadStopsAtTheEndOfTheFile) {
  const std::string content = Pattern(70'000);
  TBufferedFS stream(dir_.WriteFile("data.bin", content), FileOpenMode::OpenRead);
  EXPECT_EQ(ReadFrom(stream, 69'990), content.substr(0, 69'990));
  EXPECT_EQ(ReadFrom(stream, 100), content.substr(69'990));
  EXPECT_EQ(ReadFrom(stream, 1), "");
}

TEST_F(BufferedFSTest, ByteReadsDeliverTheWholeFileInOrder) {
  const std::string content = Pattern(140'000);
  TBufferedFS stream(dir_.WriteFile("data.bin", content), FileOpenMode::OpenRead);
  std::string read;
  char byte;
  while (stream.Read(&byte, 1) == 1) read += byte;
  EXPECT_EQ(read, content);
}

struct WriteCase {
  const char* name;
  std::vector<std::size_t> writes;
  std::uintmax_t on_disk_while_open;
};

class BufferedFSWriteTest : public BufferedFSTest,
                            public ::testing::WithParamInterface<WriteCase> {};

// What reaches the file while the stream is open, and that destroying the stream writes the rest.
TEST_P(BufferedFSWriteTest, WritesReachTheFileInBufferSizedBlocks) {
  const std::string path = dir_.Path("out.bin");
  const std::size_t total =
      std::accumulate(GetParam().writes.begin(), GetParam().writes.end(), std::size_t{0});
  const std::string content = Pattern(total);
  {
    TBufferedFS stream(path, FileOpenMode::Create);
    std::size_t written = 0;
    for (const std::size_t count : GetParam().writes) {
      ASSERT_EQ(stream.Write(content.data() + written, count), count);
      written += count;
    }
    EXPECT_EQ(SizeOnDisk(path), GetParam().on_disk_while_open);
    EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), static_cast<std::int64_t>(total));
    EXPECT_EQ(SizeOnDisk(path), GetParam().on_disk_while_open);
  }
  EXPECT_EQ(dir_.ReadFile("out.bin"), content);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BufferedFSWriteTest,
    ::testing::Values(WriteCase{"TopUpThenKeepTheRest", {65'500, 100}, 65'536},
                      WriteCase{"SmallWritesWait", {1, 2, 65'533}, 0},
                      WriteCase{"FullBufferWaits", {65'536}, 0},
                      WriteCase{"OneByteOverAFullBuffer", {65'536, 1}, 65'536},
                      WriteCase{"LargeWriteGoesStraightToTheFile", {100'000}, 100'000},
                      WriteCase{"TopUpThenLargeRestStraight", {10, 200'000}, 200'010}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BufferedFSTest, SeekWritesTheWaitingBytesFirst) {
  const std::string path = dir_.Path("out.bin");
  {
    TBufferedFS stream(path, FileOpenMode::Create);
    stream.Write("0123456789", 10);
    EXPECT_EQ(stream.Seek(2, SeekOrigin::Begin), 2);
    EXPECT_EQ(SizeOnDisk(path), 10u);
    stream.Write("ab", 2);
    EXPECT_EQ(stream.Seek(-1, SeekOrigin::End), 9);
    stream.Write("Z", 1);
    EXPECT_EQ(stream.Seek(-5, SeekOrigin::Current), 5);
    stream.Write("c", 1);
  }
  EXPECT_EQ(dir_.ReadFile("out.bin"), "01ab4c678Z");
}

TEST_F(BufferedFSTest, ReadAfterWriteSeesTheWrittenBytes) {
  const std::string content = Pattern(100'000);
  TBufferedFS stream(dir_.Path("out.bin"), FileOpenMode::Create);
  stream.Write(content.data(), 1000);
  EXPECT_EQ(ReadFrom(stream, 10), "");
  stream.Write(content.data() + 1000, content.size() - 1000);
  ASSERT_EQ(stream.Seek(0, SeekOrigin::Begin), 0);
  EXPECT_EQ(ReadFrom(stream, content.size() + 1), content);
}

TEST_F(BufferedFSTest, PositionsAfterReadsAreTheOnesTheCallerSees) {
  const std::string content = Pattern(100'000);
  const std::string path = dir_.Path("out.bin");
  {
    TBufferedFS stream(path, FileOpenMode::Create);
    stream.Write(content.data(), content.size());
    stream.Seek(0, SeekOrigin::Begin);
    ASSERT_EQ(ReadFrom(stream, 10), content.substr(0, 10));
    EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), 10);
    EXPECT_EQ(stream.Seek(5, SeekOrigin::Current), 15);
    EXPECT_EQ(ReadFrom(stream, 5), content.substr(15, 5));
    stream.Write("XY", 2);  // lands right after the bytes read, not after the read-ahead
    EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), 22);
  }
  std::string expected = content;
  expected.replace(20, 2, "XY");
  EXPECT_EQ(dir_.ReadFile("out.bin"), expected);
}

TEST_F(BufferedFSTest, BorrowedBufferTransfersMixWithCopies) {
  const std::string content = Pattern(150'000);
  TBufferedFS source(dir_.WriteFile("in.bin", content), FileOpenMode::OpenRead);
  const std::string path = dir_.Path("out.bin");
  {
    TBufferedFS target(path, FileOpenMode::Create);
    std::string first(3, '\0');
    ASSERT_EQ(source.Read(first.data(), 3), 3u);
    target.Write(first.data(), 3);
    for (std::span<const std::byte> in = source.ReadableBytes(); !in.empty();
         in = source.ReadableBytes()) {
      const std::span<std::byte> out = target.WritableBytes();
      const std::size_t count = std::min({in.size(), out.size(), std::size_t{5000}});
      std::memcpy(out.data(), in.data(), count);
      source.Consume(count);
      target.Commit(count);
    }
    EXPECT_EQ(target.Seek(0, SeekOrigin::Current), 150'000);
  }
  EXPECT_EQ(dir_.ReadFile("out.bin"), content);
}

TEST_F(BufferedFSTest, CreateEmptiesAnExistingFile) {
  const std::string path = dir_.WriteFile("out.bin", "old content");
  { TBufferedFS stream(path, FileOpenMode::Create); }
  EXPECT_EQ(dir_.ReadFile("out.bin"), "");
}

TEST_F(BufferedFSTest, OpeningAMissingFileFails) {
  EXPECT_THROW(TBufferedFS(dir_.Path("missing.bin"), FileOpenMode::OpenRead), Error);
  EXPECT_FALSE(std::filesystem::exists(dir_.Path("missing.bin")));
}

// A write the file refuses (here: a stream opened for reading) is reported, not lost: by Close
// for waiting bytes, at once for a transfer that bypasses the buffer.
TEST_F(BufferedFSTest, RefusedWritesAreReported) {
  const std::string path = dir_.WriteFile("data.bin", "content");
  {
    TBufferedFS stream(path, FileOpenMode::OpenRead);
    const std::string large(TBufferedFS::kBufferSize + 1, 'x');
    EXPECT_THROW(stream.Write(large.data(), large.size()), Error);
    stream.Write("abc", 3);
    EXPECT_THROW(stream.Close(), Error);
    EXPECT_NO_THROW(stream.Close());
  }
  EXPECT_EQ(dir_.ReadFile("data.bin"), "content");
}

}  // namespace
}  // namespace veyra::archive
