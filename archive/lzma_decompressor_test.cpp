#include "archive/lzma_decompressor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "archive/lzma_compressor.h"
#include "base/error.h"
#include "testing/temp_dir.h"

namespace veyra::archive {
namespace {

namespace fs = std::filesystem;

// Text-like lines, binary noise and a run of zeros: several buffers' worth of each.
std::string MixedData() {
  std::string data;
  for (int line = 0; data.size() < 120'000; ++line) {
    data += "item " + std::to_string(line) + " = value " + std::to_string(line * 37 % 1000) + "\n";
  }
  std::uint32_t state = 12345;
  for (int i = 0; i < 100'000; ++i) {
    state = state * 1103515245 + 12345;
    data += static_cast<char>(state >> 24);
  }
  data.append(90'000, '\0');
  return data;
}

const std::string& Data() {
  static const std::string data = MixedData();
  return data;
}

// Small enough that a window of 4096 bytes covers every match.
const std::string kSmallData = "short text, short text, short text with a few repeats\n";

std::string Compress(const std::string& data) {
  const veyra::testing::TempDir dir;
  const std::string source = dir.WriteFile("source", data);
  CompressLZMAFile(source, dir.Path("source.lzma"), 1);
  return dir.ReadFile("source.lzma");
}

const std::string& Archive() {
  static const std::string archive = Compress(Data());
  return archive;
}

const std::string& SmallArchive() {
  static const std::string archive = Compress(kSmallData);
  return archive;
}

std::string LittleEndian(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

std::string WithDictionarySize(std::string archive, std::uint32_t size) {
  return archive.replace(1, 4, LittleEndian(size, 4));
}

std::string WithStreamSize(std::string archive, std::uint64_t size) {
  return archive.replace(5, 8, LittleEndian(size, 8));
}

// A properties byte (by default 0x5D: lc 3, lp 0, pb 2) and a 64 KiB dictionary, then the rest.
std::string Header(const std::string& rest, char properties = '\x5D') {
  std::string header(1, properties);
  header += LittleEndian(65536, 4);
  header += rest;
  return header;
}

class DecompressLZMAFileTest : public ::testing::Test {
 protected:
  DecompressLZMAFileTest()
      : archive_path_(dir_.Path("game\\file.dat.lzma")), target_path_(dir_.Path("game\\file.dat")) {
    dir_.WriteFile("game\\file.dat", "old content");
  }

  void WriteArchive(const std::string& bytes) { dir_.WriteFile("game\\file.dat.lzma", bytes); }
  std::string Target() const { return dir_.ReadFile("game\\file.dat"); }
  bool ArchiveExists() const { return fs::exists(archive_path_); }

  // The message of the error DecompressLZMAFile throws, or "" when it returns.
  std::string Decompress() {
    try {
      DecompressLZMAFile(archive_path_, target_path_);
      return "";
    } catch (const Error& error) {
      return error.what();
    }
  }

  veyra::testing::TempDir dir_;
  std::string archive_path_;
  std::string target_path_;
};

struct DecodeCase {
  const char* name;
  std::string (*archive)();
  const std::string& (*expected)();
};

class DecodesTest : public DecompressLZMAFileTest,
                    public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(DecodesTest, TargetHoldsTheDataAndTheArchiveIsGone) {
  WriteArchive(GetParam().archive());
  EXPECT_EQ(Decompress(), "");
  EXPECT_TRUE(Target() == GetParam().expected()) << "target differs from the expected data";
  EXPECT_FALSE(ArchiveExists());
}

const std::string& Small() { return kSmallData; }
const std::string& Empty() {
  static const std::string empty;
  return empty;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodesTest,
    ::testing::Values(
        DecodeCase{"EndMarkerWhenSizeIsAllOnes", [] { return Archive(); }, Data},
        DecodeCase{"EmptyData", [] { return Compress(""); }, Empty},
        DecodeCase{"KnownSizeFollowedByEndMarker",
                   [] { return WithStreamSize(Archive(), Data().size()); }, Data},
        DecodeCase{"KnownSizeIgnoresBytesAfterTheStream",
                   [] { return WithStreamSize(Archive(), Data().size()) + "trailing bytes"; },
                   Data},
        // The sign bit set makes the size negative: decode up to the end marker.
        DecodeCase{"NegativeSizeMeansEndMarker",
                   [] { return WithStreamSize(Archive(), std::uint64_t{1} << 63); }, Data},
        DecodeCase{"DictionarySizeZero", [] { return WithDictionarySize(SmallArchive(), 0); },
                   Small}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
  const char* name;
  std::string (*archive)();
  const char* message;
};

class FailsTest : public DecompressLZMAFileTest,
                  public ::testing::WithParamInterface<FailureCase> {};

// Whatever fails once both files are open: the message, an emptied target, no archive.
TEST_P(FailsTest, TargetIsEmptiedAndTheArchiveIsGone) {
  WriteArchive(GetParam().archive());
  EXPECT_EQ(Decompress(), GetParam().message);
  EXPECT_EQ(Target(), "");
  EXPECT_FALSE(ArchiveExists());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailsTest,
    ::testing::Values(
        FailureCase{"EmptyArchive", [] { return std::string(); }, "input .lzma file is too short"},
        FailureCase{"FourBytes", [] { return std::string("\x5D\0\0\1", 4); },
                    "input .lzma file is too short"},
        FailureCase{"PropertiesByte225",
                    [] { return Header(LittleEndian(0, 8), '\xE1'); },
                    "Incorrect stream properties"},
        FailureCase{"PropertiesByte255", [] { return std::string(5, '\xFF'); },
                    "Incorrect stream properties"},
        FailureCase{"DictionaryOfTwoGiB",
                    [] { return WithDictionarySize(SmallArchive(), 0x80000000); },
                    "Incorrect stream properties"},
        // lc 3 + lp 2: inside the byte's range, refused by the decoder.
        FailureCase{"LcPlusLpAboveFour",
                    [] { return Header(LittleEndian(0, 8), '\x15'); },
                    "Incorrect stream properties"},
        // Properties are checked before the size is read.
        FailureCase{"BadPropertiesAndNoSize", [] { return std::string(5, '\xE1'); },
                    "Incorrect stream properties"},
        FailureCase{"NoSizeBytes", [] { return Header(""); }, "Can't read stream size"},
        FailureCase{"SevenSizeBytes", [] { return Header(std::string(7, '\xFF')); },
                    "Can't read stream size"},
        FailureCase{"NoDataAfterTheHeader", [] { return Header(std::string(8, '\xFF')); },
                    "Error in data stream"},
        FailureCase{"GarbageData", [] { return Header(std::string(8, '\xFF') + "not lzma data"); },
                    "Error in data stream"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PartialCase {
  const char* name;
  std::string (*archive)();
};

class FailsAfterSomeOutputTest : public DecompressLZMAFileTest,
                                 public ::testing::WithParamInterface<PartialCase> {};

// Data that end early or that do not match the declared size are an error, never a short success.
TEST_P(FailsAfterSomeOutputTest, TargetHoldsAPrefixOfTheData) {
  WriteArchive(GetParam().archive());
  EXPECT_EQ(Decompress(), "Error in data stream");
  const std::string target = Target();
  EXPECT_TRUE(Data().starts_with(target)) << "target is not a prefix of the data";
  EXPECT_FALSE(ArchiveExists());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailsAfterSomeOutputTest,
    ::testing::Values(
        PartialCase{"ArchiveCutInHalf", [] { return Archive().substr(0, Archive().size() / 2); }},
        PartialCase{"EndMarkerMissing", [] { return Archive().substr(0, Archive().size() - 5); }},
        PartialCase{"EndMarkerBeforeTheSize",
                    [] { return WithStreamSize(Archive(), Data().size() + 1); }},
        PartialCase{"SizeShorterThanTheData",
                    [] { return WithStreamSize(Archive(), Data().size() - 1000); }},
        // A 32-bit size would read this as the data's length and succeed.
        PartialCase{"SizeAboveFourGiB",
                    [] { return WithStreamSize(Archive(), (std::uint64_t{1} << 32) + Data().size()); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Corrupt data may decode to wrong bytes before the decoder notices; the call still fails.
TEST_F(DecompressLZMAFileTest, CorruptDataFail) {
  std::string archive = Archive();
  archive[archive.size() / 3] ^= 0x55;
  WriteArchive(archive);
  EXPECT_EQ(Decompress(), "Error in data stream");
  EXPECT_FALSE(ArchiveExists());
}

// No memory limit refuses a legal dictionary; a 32-bit process may still lack the address space.
TEST_F(DecompressLZMAFileTest, LargestDictionaryIsAccepted) {
  WriteArchive(WithDictionarySize(SmallArchive(), 0x7FFFFFFF));
  const std::string message = Decompress();
  if (message == "Out of memory") GTEST_SKIP() << "no room for a window of 2 GiB here";
  EXPECT_EQ(message, "");
  EXPECT_EQ(Target(), kSmallData);
}

TEST_F(DecompressLZMAFileTest, MissingArchiveLeavesTheTargetUntouched) {
  EXPECT_THAT(Decompress(), ::testing::HasSubstr("file.dat.lzma"));
  EXPECT_EQ(Target(), "old content");
}

TEST_F(DecompressLZMAFileTest, TargetThatCannotBeCreatedKeepsTheArchive) {
  WriteArchive(Archive());
  target_path_ = dir_.Path("missing folder\\file.dat");
  EXPECT_THAT(Decompress(), ::testing::HasSubstr("file.dat"));
  EXPECT_TRUE(ArchiveExists());
  EXPECT_FALSE(fs::exists(target_path_));
}

}  // namespace
}  // namespace veyra::archive
