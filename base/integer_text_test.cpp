#include "base/integer_text.h"

#include <gtest/gtest.h>

namespace veyra {
namespace {

struct Case {
  const char* text;
  std::optional<std::int32_t> expected;
};

TEST(IntegerTextTest, AcceptsTheDocumentedFormsOnly) {
  const Case cases[] = {
      {" 1", 1},          {"1x", std::nullopt},   {"", std::nullopt},
      {" ", std::nullopt}, {"5 ", std::nullopt},  {"+5", 5},
      {"-7", -7},          {"$ff", 255},          {"x1F", 31},
      {"X1f", 31},         {"0X10", 16},          {"0x10", 16},
      {"0xFFFFFFFF", -1},  {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},                 {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},              {"0x100000000", std::nullopt},
      {"-$10", -16},       {"0x", std::nullopt},  {"$", std::nullopt},
      {"\t1", std::nullopt}, {"+-1", std::nullopt}, {"1 2", std::nullopt},
      {"007", 7},          {"0", 0},              {"00000000000000000000001", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseIntegerText(c.text), c.expected) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace veyra
