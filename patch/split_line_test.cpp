#include "patch/split_line.h"

#include <gtest/gtest.h>

namespace veyra {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitLineTest, EmptyFieldEndsTheSplit) {
  const struct {
    std::string text;
    Fields expected;
  } cases[] = {
      {"", {""}},
      {"a", {"a"}},
      {"a\x06" "b\x06" "c", {"a", "b", "c"}},
      {"a\x06", {"a", ""}},
      {"\x06" "a", {"\x06" "a"}},
      {"a\x06\x06" "b", {"a", "\x06" "b"}},
      {"system\\l2.exe\x06" "CBF43926\x06" "2", {"system\\l2.exe", "CBF43926", "2"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitLine(c.text, kEntrySeparator), c.expected) << c.text;
  }
}

TEST(SplitLineTest, SeparatorOfSeveralCharacters) {
  EXPECT_EQ(SplitLine("a--b--", "--"), (Fields{"a", "b", ""}));
  EXPECT_EQ(SplitLine("a-b", "--"), (Fields{"a-b"}));
}

}  // namespace
}  // namespace veyra
