#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

#include "base/error.h"
#include "testing/temp_dir.h"

namespace veyra::platform {
namespace {

namespace fs = std::filesystem;
using veyra::testing::TempDir;

std::string ReadAll(File& file) {
  std::string content(static_cast<std::size_t>(file.Size()), '\0');
  content.resize(file.Read(content.data(), content.size()));
  return content;
}

void MakeReadOnly(const std::string& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

TEST(FileExistence, TellsFilesFromFolders) {
  TempDir dir;
  dir.WriteFile("file.txt", "x");
  fs::create_directory(dir.Path("folder"));
  struct Case {
    std::string name;
    bool is_file;
    bool is_folder;
  };
  for (const Case& c : {Case{"file.txt", true, false}, Case{"folder", false, true},
                        Case{"missing", false, false}, Case{"folder/missing", false, false}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FileExists(dir.Path(c.name)), c.is_file);
    EXPECT_EQ(DirectoryExists(dir.Path(c.name)), c.is_folder);
  }
}

TEST(FileExistence, BackslashesSeparateFolders) {
  TempDir dir;
  dir.WriteFile("a/b/file.txt", "x");
  EXPECT_TRUE(FileExists(dir.path() + "\\a\\b\\file.txt"));
  EXPECT_TRUE(DirectoryExists(dir.path() + "\\a\\b"));
}

TEST(FileExistence, LinkCountsByItsTarget) {
  TempDir dir;
  dir.WriteFile("target.txt", "x");
  fs::create_directory(dir.Path("folder"));
  std::error_code error;
  fs::create_symlink(dir.Path("target.txt"), dir.Path("to-file"), error);
  if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
  fs::create_directory_symlink(dir.Path("folder"), dir.Path("to-folder"));
  fs::create_symlink(dir.Path("gone.txt"), dir.Path("dangling"));

  EXPECT_TRUE(FileExists(dir.Path("to-file")));
  EXPECT_FALSE(FileExists(dir.Path("to-folder")));
  EXPECT_TRUE(DirectoryExists(dir.Path("to-folder")));
  EXPECT_FALSE(FileExists(dir.Path("dangling")));
}

TEST(ReadOnly, FollowsTheWriteBitAndIsClearedByNormalAttributes) {
  TempDir dir;
  const std::string path = dir.WriteFile("file.txt", "x");
  EXPECT_FALSE(IsReadOnly(path));
  MakeReadOnly(path);
  EXPECT_TRUE(IsReadOnly(path));
  EXPECT_TRUE(SetNormalAttributes(path));
  EXPECT_FALSE(IsReadOnly(path));
}

TEST(ReadOnly, MissingFileCountsAsReadOnlyAndCannotBeReset) {
  TempDir dir;
  EXPECT_TRUE(IsReadOnly(dir.Path("missing")));
  EXPECT_FALSE(SetNormalAttributes(dir.Path("missing")));
}

TEST(Sharing, OpenFailsWhereEitherHandleSharesNothing) {
  struct Case {
    Sharing first;
    Sharing second;
    bool second_opens;
  };
  for (const Case& c : {Case{Sharing::ReadWrite, Sharing::ReadWrite, true},
                        Case{Sharing::ReadWrite, Sharing::None, false},
                        Case{Sharing::None, Sharing::ReadWrite, false},
                        Case{Sharing::None, Sharing::None, false}}) {
    SCOPED_TRACE(static_cast<int>(c.first) * 10 + static_cast<int>(c.second));
    TempDir dir;
    const std::string path = dir.WriteFile("file.bin", "content");
    File first = File::OpenForReading(path, c.first);
    std::optional<File> second;
    if (c.second_opens) {
      second = File::OpenForReading(path, c.second);
      EXPECT_EQ(ReadAll(*second), "content");
    } else {
      EXPECT_THROW(File::OpenForReading(path, c.second), Error);
      first.Close();
      EXPECT_NO_THROW(File::OpenForReading(path, c.second));
    }
  }
}

TEST(Sharing, OpenHandleBlocksCreateDeleteAndReplace) {
  TempDir dir;
  const std::string path = dir.WriteFile("file.bin", "content");
  const std::string other = dir.WriteFile("other.bin", "other");
  {
    File reader = File::OpenForReading(path, Sharing::ReadWrite);
    EXPECT_THROW(File::Create(path), Error);
    EXPECT_FALSE(DeleteFile(path));
    EXPECT_THROW(ReplaceFile(other, path), Error);
    EXPECT_EQ(ReadAll(reader), "content");
  }
  EXPECT_TRUE(DeleteFile(path));
}

TEST(Sharing, CreatedFileSharesNothing) {
  TempDir dir;
  File created = File::Create(dir.Path("new.bin"));
  EXPECT_THROW(File::OpenForReading(dir.Path("new.bin"), Sharing::ReadWrite), Error);
}

TEST(Create, ReplacesTheContentOfAnExistingFile) {
  TempDir dir;
  const std::string path = dir.WriteFile("file.bin", "a longer old content");
  {
    File file = File::Create(path);
    EXPECT_EQ(file.Size(), 0);
    file.Write("new", 3);
  }
  EXPECT_EQ(dir.ReadFile("file.bin"), "new");
}

TEST(Create, RefusesAReadOnlyFileAndKeepsItsContent) {
  TempDir dir;
  const std::string path = dir.WriteFile("file.bin", "kept");
  MakeReadOnly(path);
  EXPECT_THROW(File::Create(path), Error);
  EXPECT_EQ(dir.ReadFile("file.bin"), "kept");
}

TEST(Create, FailsWithoutItsFolder) {
  TempDir dir;
  EXPECT_THROW(File::Create(dir.Path("missing/file.bin")), Error);
}

TEST(Errors, NameThePathAndTheReason) {
  TempDir dir;
  const std::string path = dir.Path("missing.bin");
  try {
    File::OpenForReading(path, Sharing::ReadWrite);
    FAIL() << "opened a missing file";
  } catch (const Error& error) {
    const std::string message = error.what();
    const std::size_t at = message.find(path);
    ASSERT_NE(at, std::string::npos) << message;
    EXPECT_GT(message.size(), at + path.size() + 2) << "no reason in: " << message;
  }
}

TEST(ReadWrite, ReadGivesFewerBytesOnlyAtTheEnd) {
  TempDir dir;
  const std::string path = dir.WriteFile("file.bin", "0123456789");
  File file = File::OpenForReading(path, Sharing::None);
  char buffer[8];
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 8u);
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 2u);
  EXPECT_EQ(std::string(buffer, 2), "89");
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
}

TEST(ReadWrite, ReadAtReadsFromItsOffsetAndFewerOnlyAtTheEnd) {
  TempDir dir;
  File file = File::OpenForReading(dir.WriteFile("file.bin", "0123456789"), Sharing::None);
  struct Case {
    std::int64_t offset;
    std::size_t count;
    std::string expected;
  };
  for (const Case& c : {Case{0, 4, "0123"}, Case{6, 4, "6789"}, Case{7, 8, "789"},
                        Case{10, 4, ""}, Case{50, 4, ""}, Case{3, 0, ""}}) {
    SCOPED_TRACE(c.offset);
    char buffer[8];
    EXPECT_EQ(std::string(buffer, file.ReadAt(buffer, c.count, c.offset)), c.expected);
  }
}

// Each thread reads its own half of one handle, block by block, interleaved with the other.
TEST(ReadWrite, ThreadsReadOneHandleAtTheirOwnOffsets) {
  TempDir dir;
  std::string content(64 * 1024, '\0');
  for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7 + i / 251);
  File file = File::OpenForReading(dir.WriteFile("file.bin", content), Sharing::None);
  const std::size_t half = content.size() / 2;
  const auto read_half = [&](std::size_t begin) {
    std::string out;
    char block[1000];
    while (out.size() < half) {
      const auto at = static_cast<std::int64_t>(begin + out.size());
      const std::size_t got = file.ReadAt(block, std::min(sizeof block, half - out.size()), at);
      if (got == 0) break;
      out.append(block, got);
    }
    return out;
  };
  std::string second;
  std::thread other([&] { second = read_half(half); });
  const std::string first = read_half(0);
  other.join();
  EXPECT_TRUE(first + second == content);
}

TEST(ReadWrite, ReadingOnlyHandleRefusesToWrite) {
  TempDir dir;
  File file = File::OpenForReading(dir.WriteFile("file.bin", "x"), Sharing::None);
  EXPECT_THROW(file.Write("y", 1), Error);
}

TEST(ReadWrite, OpeningAFolderFails) {
  TempDir dir;
  EXPECT_THROW(File::OpenForReading(dir.path(), Sharing::ReadWrite), Error);
}

TEST(ReadWrite, SeekAndSizeGoBeyondFourGiB) {
  TempDir dir;
  constexpr std::int64_t kFar = (std::int64_t{5} << 30) + 3;
  File file = File::Create(dir.Path("sparse.bin"));
  EXPECT_EQ(file.Seek(kFar, SeekOrigin::Begin), kFar);
  file.Write("end", 3);
  EXPECT_EQ(file.Size(), kFar + 3);
  EXPECT_EQ(file.Seek(-3, SeekOrigin::End), kFar);
  EXPECT_EQ(file.Seek(1, SeekOrigin::Current), kFar + 1);
  char buffer[4];
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 2u);
  EXPECT_EQ(std::string(buffer, 2), "nd");
  EXPECT_EQ(file.ReadAt(buffer, sizeof buffer, kFar), 3u);
  EXPECT_EQ(std::string(buffer, 3), "end");
}

TEST(DeleteFile, RemovesOnlyWritableFiles) {
  TempDir dir;
  const std::string writable = dir.WriteFile("writable", "x");
  const std::string read_only = dir.WriteFile("read-only", "x");
  MakeReadOnly(read_only);
  fs::create_directory(dir.Path("folder"));

  EXPECT_TRUE(DeleteFile(writable));
  EXPECT_FALSE(FileExists(writable));
  EXPECT_FALSE(DeleteFile(writable));
  EXPECT_FALSE(DeleteFile(read_only));
  EXPECT_TRUE(FileExists(read_only));
  EXPECT_FALSE(DeleteFile(dir.Path("folder")));
}

TEST(CreateDirectories, CreatesMissingParentsAndAcceptsExistingOnes) {
  TempDir dir;
  const std::string nested = dir.path() + "\\a\\b\\c";
  CreateDirectories(nested);
  EXPECT_TRUE(DirectoryExists(nested));
  EXPECT_NO_THROW(CreateDirectories(nested));
  EXPECT_NO_THROW(CreateDirectories(dir.path() + "\\a\\b\\"));
}

TEST(CreateDirectories, FailsOnAFileInTheWayAndNamesIt) {
  TempDir dir;
  dir.WriteFile("a/file", "x");
  try {
    CreateDirectories(dir.path() + "\\a\\file\\b");
    FAIL() << "created a folder below a file";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("file"), std::string::npos) << error.what();
  }
}

TEST(ReplaceFile, MovesOverAnExistingFile) {
  TempDir dir;
  const std::string from = dir.WriteFile("new.tmp", "new content");
  const std::string to = dir.WriteFile("game.dat", "old");
  ReplaceFile(from, to);
  EXPECT_EQ(dir.ReadFile("game.dat"), "new content");
  EXPECT_FALSE(FileExists(from));
}

TEST(ReplaceFile, MovesToANewName) {
  TempDir dir;
  const std::string from = dir.WriteFile("new.tmp", "content");
  ReplaceFile(from, dir.Path("fresh.dat"));
  EXPECT_EQ(dir.ReadFile("fresh.dat"), "content");
}

TEST(ReplaceFile, FailureLeavesBothFilesAlone) {
  TempDir dir;
  const std::string to = dir.WriteFile("game.dat", "old");
  EXPECT_THROW(ReplaceFile(dir.Path("missing.tmp"), to), Error);
  EXPECT_EQ(dir.ReadFile("game.dat"), "old");

  const std::string from = dir.WriteFile("new.tmp", "new");
  MakeReadOnly(to);
  EXPECT_THROW(ReplaceFile(from, to), Error);
  EXPECT_EQ(dir.ReadFile("game.dat"), "old");
  EXPECT_EQ(dir.ReadFile("new.tmp"), "new");
}

}  // namespace
}  // namespace veyra::platform
