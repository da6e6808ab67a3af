#include "services/xml/line_breaks.h"

#include <gtest/gtest.h>

namespace veyra::xml {
namespace {

TEST(LineBreaksTest, EveryLineEndsWithCrLf) {
  const struct {
    const char* text;
    const char* normalized;
  } cases[] = {
      {"", ""},
      {"a", "a\r\n"},
      {"a\r\nb", "a\r\nb\r\n"},
      {"a\nb\n", "a\r\nb\r\n"},
      {"a\rb\r", "a\r\nb\r\n"},
      {"a\n\r\nb", "a\r\n\r\nb\r\n"},
      {"a\r\rb", "a\r\n\r\nb\r\n"},
      {"a\n\rb", "a\r\n\r\nb\r\n"},
      {"\r\n", "\r\n"},
      {"\n\n", "\r\n\r\n"},
      {"\r", "\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeLineBreaks(c.text), c.normalized) << c.text;
}

}  // namespace
}  // namespace veyra::xml
