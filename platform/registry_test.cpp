#include "platform/registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "base/error.h"
#include "testing/temp_dir.h"

#ifndef _WIN32
#include <stdlib.h>
#endif

namespace veyra::platform {
namespace {

// Each test works below a key of its own, deleted afterwards. On POSIX the registry also moves
// into a temporary folder, so the user's own configuration is never touched.
class RegistryTest : public ::testing::Test {
 protected:
  RegistryTest() : key_path_("Software\\VeyraUpdaterTest\\" + RandomName()) {
#ifndef _WIN32
    config_ = std::make_unique<veyra::testing::TempDir>();
    ::setenv("XDG_CONFIG_HOME", config_->path().c_str(), 1);
#endif
  }
  ~RegistryTest() override {
    RegistryKey::DeleteTree(key_path_);
#ifndef _WIN32
    ::unsetenv("XDG_CONFIG_HOME");
#endif
  }

  static std::string RandomName() {
    std::random_device random;
    return std::to_string(random()) + std::to_string(random());
  }

  const std::string key_path_;
  std::unique_ptr<veyra::testing::TempDir> config_;
};

TEST_F(RegistryTest, TextReadsBackUnderAnyLetterCase) {
  RegistryKey::OpenOrCreate(key_path_).WriteString("GamePath", "C:\\Игры\\Veyra Online");
  const auto key = RegistryKey::OpenExisting(key_path_);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadString("gamepath"), "C:\\Игры\\Veyra Online");
  EXPECT_EQ(key->ReadString("GAMEPATH"), "C:\\Игры\\Veyra Online");
}

TEST_F(RegistryTest, KeyNamesIgnoreLetterCase) {
  RegistryKey::OpenOrCreate(key_path_ + "\\Updater").WriteString("Language", "1");
  const auto key = RegistryKey::OpenExisting(key_path_ + "\\UPDATER");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadString("Language"), "1");
}

TEST_F(RegistryTest, WritingUnderAnotherCaseReplacesTheValue) {
  RegistryKey key = RegistryKey::OpenOrCreate(key_path_);
  key.WriteString("Critical", "old");
  key.WriteString("CRITICAL", "new");
  EXPECT_EQ(key.ReadString("critical"), "new");
}

TEST_F(RegistryTest, MissingValuesAndKeysAreNothing) {
  EXPECT_FALSE(RegistryKey::OpenExisting(key_path_));
  const RegistryKey key = RegistryKey::OpenOrCreate(key_path_);
  EXPECT_EQ(key.ReadString("Missing"), std::nullopt);
  EXPECT_TRUE(RegistryKey::OpenExisting(key_path_));
  EXPECT_FALSE(RegistryKey::OpenExisting(key_path_ + "\\Below"));
}

TEST_F(RegistryTest, CreatesMissingParentKeys) {
  RegistryKey::OpenOrCreate(key_path_ + "\\A\\B\\C");
  EXPECT_TRUE(RegistryKey::OpenExisting(key_path_ + "\\A\\B"));
}

TEST_F(RegistryTest, IntegerValueFailsTheReadAsText) {
  RegistryKey key = RegistryKey::OpenOrCreate(key_path_);
  key.WriteInteger("Version", -7);
  EXPECT_THROW(key.ReadString("Version"), Error);
  key.WriteString("Version", "8");
  EXPECT_EQ(key.ReadString("Version"), "8");
}

TEST_F(RegistryTest, AnyTextRoundTrips) {
  const std::string texts[] = {
      "", " leading and trailing ", "a=b=c", "100%", "two\nlines\r\n", "tab\there", "Привет"};
  RegistryKey key = RegistryKey::OpenOrCreate(key_path_);
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    key.WriteString("Value " + std::to_string(i), texts[i]);
  }
  const auto reopened = RegistryKey::OpenExisting(key_path_);
  ASSERT_TRUE(reopened);
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(reopened->ReadString("value " + std::to_string(i)), texts[i]);
  }
}

TEST_F(RegistryTest, OtherValuesSurviveAWrite) {
  RegistryKey key = RegistryKey::OpenOrCreate(key_path_);
  key.WriteString("First", "1");
  key.WriteInteger("Second", 2);
  key.WriteString("Third", "3");
  key.WriteString("First", "one");
  EXPECT_EQ(key.ReadString("First"), "one");
  EXPECT_THROW(key.ReadString("Second"), Error);
  EXPECT_EQ(key.ReadString("Third"), "3");
}

TEST_F(RegistryTest, DeleteTreeRemovesTheKeyAndIgnoresAMissingOne) {
  RegistryKey::OpenOrCreate(key_path_ + "\\Below").WriteString("Name", "value");
  RegistryKey::DeleteTree(key_path_);
  EXPECT_FALSE(RegistryKey::OpenExisting(key_path_ + "\\Below"));
  EXPECT_FALSE(RegistryKey::OpenExisting(key_path_));
  EXPECT_NO_THROW(RegistryKey::DeleteTree(key_path_));
}

}  // namespace
}  // namespace veyra::platform
