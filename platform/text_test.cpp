#include "platform/text.h"

#include <gtest/gtest.h>

namespace veyra::platform {
namespace {

// The ANSI code page: UTF-8 on POSIX; 1252 under Wine, whose tests run in an English set-up.
#ifdef _WIN32
constexpr bool kAnsiIsUtf8 = false;
#else
constexpr bool kAnsiIsUtf8 = true;
#endif

TEST(Oem866, MapsCyrillicAndPseudographicsAndFallsBackToQuestionMarks) {
  struct Case {
    std::string utf8;
    std::string oem;
  };
  for (const Case& c :
       {Case{"И", "\x88"}, Case{"Привет, мир!", "\x8F\xE0\xA8\xA2\xA5\xE2, \xAC\xA8\xE0!"},
        Case{"Ёё№", "\xF0\xF1\xFC"}, Case{"╔═╗", "\xC9\xCD\xBB"},
        Case{"plain ASCII\r\n", "plain ASCII\r\n"}, Case{"中", "?"}, Case{"", ""}}) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToOem866(c.utf8), c.oem);
  }
}

TEST(Ansi, AsciiAndLatinRoundTrip) {
  for (const std::string text : {"", "Client.exe -client", "café"}) {
    EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi(text)), text);
  }
}

TEST(Ansi, CyrillicSurvivesOnlyWhereTheCodePageHoldsIt) {
  EXPECT_EQ(Utf8ToAnsi("Иван"), kAnsiIsUtf8 ? "Иван" : "????");
}

TEST(Ansi, MalformedUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToAnsi("a\xFF"
                       "b"),
            "a?b");
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");  // an overlong "/"
}

TEST(Ansi, BytesBecomeTheirCharacters) {
  // 0xE9 is "é" in code page 1252 and no character at all in UTF-8.
  EXPECT_EQ(AnsiToUtf8("x\xE9"), kAnsiIsUtf8 ? "x\uFFFD" : "xé");
  EXPECT_EQ(AnsiToUtf8("ASCII"), "ASCII");
}

TEST(Case, LowersLatinAndCyrillicLetters) {
  EXPECT_EQ(ToLower("ПРИВЕТ Мир, ABC ÀÉ Ё 123"), "привет мир, abc àé ё 123");
}

TEST(Case, ComparesIgnoringCase) {
  struct Case {
    std::string a;
    std::string b;
    int sign;
  };
  for (const Case& c :
       {Case{"abc", "ABC", 0}, Case{"Привет", "пРИВЕТ", 0}, Case{"", "", 0}, Case{"a", "B", -1},
        Case{"B", "a", 1}, Case{"abc", "ABCD", -1}, Case{"Я", "а", 1}}) {
    SCOPED_TRACE(c.a + " vs " + c.b);
    const int result = CompareIgnoringCase(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign);
  }
}

}  // namespace
}  // namespace veyra::platform
