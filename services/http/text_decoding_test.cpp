#include "services/http/text_decoding.h"

#include <gtest/gtest.h>

namespace veyra::http {
namespace {

struct DecodeCase {
  const char* charset;
  std::string bytes;
  std::string text;
};

TEST(TextDecodingTest, DecodesByCharset) {
  const DecodeCase cases[] = {
      {"utf-8", "\xEF\xBB\xBFZ\xC3\xA9\xF0\x9F\x98\x80", "\xEF\xBB\xBFZ\xC3\xA9\xF0\x9F\x98\x80"},
      {"UTF-8", "a\xFF" "b\xC3", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"},
      {"utf-8", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // no surrogates
      {"utf-8", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // no overlong forms
      {"us-ascii", "ok\xE9!", "ok\xEF\xBF\xBD!"},
      {"utf-16le", std::string("\xFF\xFE" "A\0\x16\x04", 6), "\xEF\xBB\xBF" "A\xD0\x96"},
      {"utf-16be", std::string("\xD8\x3D\xDE\x00", 4), "\xF0\x9F\x98\x80"},
      {"utf-16le", std::string("\x00\xD8" "A\0", 4), "\xEF\xBF\xBD" "A"},  // lone surrogate
      {"utf-16le", std::string("A\0B", 3), "A\xEF\xBF\xBD"},               // odd length
      {"utf-7", "Hi Mom -+Jjo--!", "Hi Mom -\xE2\x98\xBA-!"},
      {"utf-7", "A+ImIDkQ.", "A\xE2\x89\xA2\xCE\x91."},
      {"utf-7", "1 +- 1", "1 + 1"},
      {"utf-7", "+2D3eAA-", "\xF0\x9F\x98\x80"},
      {"", "\xE9\xC0", "\xC3\xA9\xC3\x80"},
      {"x-unknown-charset", "\xC0", "\xC3\x80"},
      {"windows-1251", "\xCF\xF0\xE8", "\xD0\x9F\xD1\x80\xD0\xB8"},
      {"ISO-8859-1", "\xE9", "\xC3\xA9"},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(DecodeText(c.bytes, c.charset), c.text) << c.charset << " " << c.bytes;
  }
}

}  // namespace
}  // namespace veyra::http
