#include "patch/crc32.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "base/error.h"
#include "platform/files.h"
#include "testing/temp_dir.h"

namespace veyra {
namespace {

std::uint32_t Checksum(const std::string& bytes) {
  return ~UpdateCRC32(0xFFFFFFFFu, bytes.data(), bytes.size());
}

TEST(CRC32Test, TableMatchesTheKnownEntries) {
  EXPECT_EQ(CRC32Table[0], 0x00000000u);
  EXPECT_EQ(CRC32Table[1], 0x77073096u);
  EXPECT_EQ(CRC32Table[255], 0x2D02EF8Du);
}

TEST(CRC32Test, KnownChecksums) {
  EXPECT_EQ(Checksum("123456789"), 0xCBF43926u);
  EXPECT_EQ(Checksum(""), 0x00000000u);
  EXPECT_EQ(Checksum("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

// Every length around the kernel's block sizes, at every alignment, split at odd places: the fast
// path must give exactly what the byte-wise definition gives.
TEST(CRC32Test, FastPathEqualsTheDefinition) {
  std::mt19937 random(42);
  std::vector<unsigned char> data(4096 + 64);
  for (auto& byte : data) byte = static_cast<unsigned char>(random());
  for (std::size_t offset = 0; offset < 16; offset += 3) {
    for (std::size_t length : {0, 1, 15, 16, 17, 63, 64, 65, 79, 127, 128, 129, 255, 1000, 4096}) {
      const unsigned char* p = data.data() + offset;
      const std::uint32_t expected = UpdateCRC32Bytewise(0xFFFFFFFFu, p, length);
      EXPECT_EQ(UpdateCRC32(0xFFFFFFFFu, p, length), expected) << offset << "+" << length;
      const std::size_t split = length / 3;
      const std::uint32_t first = UpdateCRC32(0xFFFFFFFFu, p, split);
      EXPECT_EQ(UpdateCRC32(first, p + split, length - split), expected) << "split " << length;
    }
  }
}

// Pieces checksummed apart, the second from 0, join into the checksum of the whole.
TEST(CRC32Test, CombineJoinsTwoPieces) {
  std::mt19937 random(3);
  std::vector<unsigned char> data(3 * 65536 + 7);
  for (auto& byte : data) byte = static_cast<unsigned char>(random());
  for (std::size_t first_length : {0, 1, 100, 65536}) {
    for (std::size_t second_length : {0, 1, 15, 16, 1000, 2 * 65536 + 7}) {
      const unsigned char* p = data.data();
      const std::uint32_t first = UpdateCRC32(0xFFFFFFFFu, p, first_length);
      const std::uint32_t second = UpdateCRC32(0, p + first_length, second_length);
      EXPECT_EQ(CombineCRC32(first, second, second_length),
                UpdateCRC32(0xFFFFFFFFu, p, first_length + second_length))
          << first_length << "+" << second_length;
    }
  }
}

// Zero bytes beyond 4 GiB: lengths add up however they are split.
TEST(CRC32Test, CombineTakesLengthsBeyondFourGiB) {
  constexpr std::uint64_t kFar = (std::uint64_t{5} << 32) + 12345;
  const std::uint32_t in_one = CombineCRC32(0xCBF43926u, 0, 2 * kFar + 1);
  EXPECT_EQ(CombineCRC32(CombineCRC32(0xCBF43926u, 0, kFar), 0, kFar + 1), in_one);
  EXPECT_NE(in_one, CombineCRC32(0xCBF43926u, 0, 2 * kFar));
}

TEST(CRC32Test, FormatsEightUpperCaseDigits) {
  EXPECT_EQ(FormatCRC32(0xCBF43926u), "CBF43926");
  EXPECT_EQ(FormatCRC32(0x0000ABCDu), "0000ABCD");
  EXPECT_EQ(FormatCRC32(0), "00000000");
}

TEST(FileCRC32Test, ChecksumsOfFiles) {
  testing::TempDir dir;
  EXPECT_EQ(FileCRC32(dir.WriteFile("digits", "123456789")), "CBF43926");
  EXPECT_EQ(FileCRC32(dir.WriteFile("empty", "")), "00000000");

  // Several read blocks and a tail, in one run and in two halves of odd length.
  std::mt19937 random(7);
  for (std::size_t size : {3 * 256 * 1024 + 12345, 5 * 1024 * 1024 + 1}) {
    std::string big(size, '\0');
    for (char& c : big) c = static_cast<char>(random());
    EXPECT_EQ(FileCRC32(dir.WriteFile("big", big)), FormatCRC32(Checksum(big))) << size;
  }
}

TEST(FileCRC32Test, FailsOnAMissingFile) {
  testing::TempDir dir;
  EXPECT_THROW(FileCRC32(dir.Path("missing")), Error);
}

TEST(FileCRC32Test, FailsWhileAnotherHandleHoldsTheFile) {
  testing::TempDir dir;
  const std::string path = dir.WriteFile("held", "content");
  const auto held = platform::File::OpenForReading(path, platform::Sharing::ReadWrite);
  EXPECT_THROW(FileCRC32(path), Error);
}

}  // namespace
}  // namespace veyra
