#include "patch/read_ahead.h"

#include <gtest/gtest.h>

#include <string>

#include "base/error.h"
#include "testing/temp_dir.h"

namespace veyra {
namespace {

std::string Content(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
  return bytes;
}

std::string ReadAllBlocks(ReadAhead& blocks) {
  std::string read;
  for (auto block = blocks.Next(); !block.empty(); block = blocks.Next()) {
    read.append(reinterpret_cast<const char*>(block.data()), block.size());
  }
  return read;
}

TEST(ReadAheadTest, DeliversTheWholeFileInOrderWhateverTheBlockSize) {
  testing::TempDir dir;
  const std::string content = Content(10007);
  const std::string path = dir.WriteFile("file", content);
  for (std::size_t block_size : {1, 7, 4096, 10007, 20000}) {
    auto file = platform::File::OpenForReading(path, platform::Sharing::None);
    ReadAhead blocks(file, file.Size(), block_size);
    EXPECT_EQ(ReadAllBlocks(blocks), content) << "block size " << block_size;
  }
}

TEST(ReadAheadTest, AFileShorterThanExpectedFailsAfterItsBlocks) {
  testing::TempDir dir;
  const std::string path = dir.WriteFile("file", Content(1000));
  auto file = platform::File::OpenForReading(path, platform::Sharing::None);
  ReadAhead blocks(file, 1500, 400);
  EXPECT_EQ(blocks.Next().size(), 400u);
  EXPECT_EQ(blocks.Next().size(), 400u);
  EXPECT_THROW(blocks.Next(), Error);
}

TEST(ReadAheadTest, StopsCleanlyWhenTheCallerLeavesEarly) {
  testing::TempDir dir;
  const std::string path = dir.WriteFile("file", Content(100000));
  auto file = platform::File::OpenForReading(path, platform::Sharing::None);
  ReadAhead blocks(file, file.Size(), 100);
  EXPECT_EQ(blocks.Next().size(), 100u);
}

}  // namespace
}  // namespace veyra
