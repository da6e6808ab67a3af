#include "base/utf8.h"

#include <gtest/gtest.h>

namespace veyra {
namespace {

struct SequenceCase {
  std::string_view bytes;
  char32_t code_point;
  std::size_t length;  // 0 when the sequence is malformed
};

TEST(Utf8Test, DecodesOneSequenceOrRefusesIt) {
  using namespace std::string_view_literals;
  const SequenceCase cases[] = {
      {"A"sv, U'A', 1},
      {"\0"sv, 0, 1},
      {"\x7F"sv, 0x7F, 1},
      {"\xC2\x80"sv, 0x80, 2},
      {"\xD0\x98z"sv, 0x418, 2},
      {"\xDF\xBF"sv, 0x7FF, 2},
      {"\xE0\xA0\x80"sv, 0x800, 3},
      {"\xE2\x82\xAC"sv, 0x20AC, 3},
      {"\xEF\xBF\xBF"sv, 0xFFFF, 3},
      {"\xF0\x90\x80\x80"sv, 0x10000, 4},
      {"\xF0\x9F\x98\x80"sv, 0x1F600, 4},
      {"\xF4\x8F\xBF\xBF"sv, 0x10FFFF, 4},
      {"\xC0\xAF"sv, 0, 0},              // overlong "/"
      {"\xC1\xBF"sv, 0, 0},              // overlong
      {"\xE0\x9F\xBF"sv, 0, 0},          // overlong
      {"\xF0\x8F\xBF\xBF"sv, 0, 0},      // overlong
      {"\xED\xA0\x80"sv, 0, 0},          // high surrogate
      {"\xED\xBF\xBF"sv, 0, 0},          // low surrogate
      {"\xF4\x90\x80\x80"sv, 0, 0},      // above U+10FFFF
      {"\xF7\xBF\xBF\xBF"sv, 0, 0},      // above U+10FFFF
      {"\xD0"sv, 0, 0},                  // cut short
      {"\xE2\x82"sv, 0, 0},              // cut short
      {"\xF0\x9F\x98"sv, 0, 0},          // cut short
      {"\xE2\x82z"sv, 0, 0},             // continuation missing
      {"\x80"sv, 0, 0},                  // stray continuation
      {"\xBF\x80"sv, 0, 0},              // stray continuation
      {"\xF8\x88\x80\x80\x80"sv, 0, 0},  // five-byte lead
      {"\xFF"sv, 0, 0},                  // invalid lead
      {""sv, 0, 0},
  };
  for (const SequenceCase& c : cases) {
    std::size_t length = 99;
    const char32_t code_point = DecodeUtf8Sequence(c.bytes, length);
    EXPECT_EQ(length, c.length) << testing::PrintToString(std::string(c.bytes));
    if (c.length != 0) {
      EXPECT_EQ(code_point, c.code_point) << testing::PrintToString(std::string(c.bytes));
    }
  }
}

struct TextCase {
  const char* bytes;
  std::u32string code_points;
};

TEST(Utf8Test, DecodesTextReplacingEachBadByte) {
  const TextCase cases[] = {
      {"Ok", U"Ok"},
      {"\xD0\x98\xD0\xB4\xD1\x91\xD1\x82", U"\u0418\u0434\u0451\u0442"},
      {"\xE2\x82\xAC\xF0\x9F\x98\x80", U"\u20AC\U0001F600"},
      {"a\xFF" "b", U"a\uFFFDb"},                  // invalid lead byte
      {"a\xD0", U"a\uFFFD"},                       // cut short
      {"\xE2\x82z", U"\uFFFD\uFFFDz"},             // cut short before a character
      {"\xC0\xAF", U"\uFFFD\uFFFD"},               // overlong "/"
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},     // surrogate
      {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\x80x", U"\uFFFDx"},                       // stray continuation
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DecodeUtf8(c.bytes), c.code_points) << testing::PrintToString(c.bytes);
  }
}

TEST(Utf8Test, DecodesWithTheGivenReplacement) {
  EXPECT_EQ(DecodeUtf8("a\xFF\xD0\x98", U'?'), U"a?\u0418");
}

TEST(Utf8Test, EncodesEveryLength) {
  const TextCase cases[] = {
      {"", U""},
      {"A\x7F", U"A\x7F"},
      {"\xC2\x80\xDF\xBF", U"\u0080\u07FF"},
      {"\xE0\xA0\x80\xEF\xBF\xBF", U"\u0800\uFFFF"},
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", U"\U00010000\U0010FFFF"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(EncodeUtf8(c.code_points), c.bytes);
    EXPECT_EQ(DecodeUtf8(c.bytes), c.code_points);
  }
}

TEST(Utf8Test, AppendsToWhatIsThere) {
  std::string text = "x";
  AppendUtf8(text, 0x20AC);
  EXPECT_EQ(text, "x\xE2\x82\xAC");
}

TEST(Utf8Test, SanitizingKeepsGoodSequencesAndReplacesEachBadByte) {
  const std::string cases[] = {
      "",
      "plain",
      "\xD0\x98\xE2\x82\xAC\xF0\x9F\x98\x80",
      "a\x80" "b\xC0\xAF" "c\xED\xA0\x80" "d\xF4\x90\x80\x80" "e\xE2\x82",
  };
  for (const std::string& text : cases) {
    EXPECT_EQ(SanitizeUtf8(text), EncodeUtf8(DecodeUtf8(text))) << text;
    EXPECT_EQ(SanitizeUtf8(text, U'?'), EncodeUtf8(DecodeUtf8(text, U'?'))) << text;
  }
  EXPECT_EQ(SanitizeUtf8("a\x80" "b", U'?'), "a?b");
}

}  // namespace
}  // namespace veyra
