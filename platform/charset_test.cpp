#include "platform/charset.h"

#include <gtest/gtest.h>

namespace veyra::platform {
namespace {

struct CharsetCase {
  const char* charset;
  std::string bytes;
  std::string utf8;
};

TEST(CharsetTest, DecodesKnownCharsetsToUtf8) {
  const CharsetCase cases[] = {
      {"windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
      {"WINDOWS-1251", "\xC0", "А"},
      {"koi8-r", "\xF0\xD2\xC9\xD7\xC5\xD4", "Привет"},
      {"iso-8859-1", "caf\xE9", "café"},
      {"ibm866", "\x8F\xE0\xA8", "При"},
      {"windows-1252", "\x80", "€"},
      {"windows-1251", "", ""},
  };
  for (const CharsetCase& c : cases) {
    const auto decoded = CharsetToUtf8(c.bytes, c.charset);
    ASSERT_TRUE(decoded.has_value()) << c.charset;
    EXPECT_EQ(*decoded, c.utf8) << c.charset;
  }
}

TEST(CharsetTest, UnknownNamesAreNotDecoded) {
  EXPECT_FALSE(CharsetToUtf8("abc", "x-no-such-charset").has_value());
  EXPECT_FALSE(CharsetToUtf8("abc", "").has_value());
}

}  // namespace
}  // namespace veyra::platform
