#include "app/command_line.h"

#include <gtest/gtest.h>

namespace veyra {
namespace {

TEST(IsClientLaunchTest, OnlyTheWordAloneInAnyCase) {
  const struct {
    const char* commandLine;
    bool expected;
  } cases[] = {
      {"-client", true},
      {"-CLIENT", true},
      {"-ClIeNt", true},
      {"C:\\Games\\VeyraUpdater.exe -client", false},
      {"\"C:\\Games\\VeyraUpdater.exe\" -client", false},
      {"", false},
      {"-client ", false},
      {" -client", false},
      {"-clien", false},
      {"-clientx", false},
      {"client", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsClientLaunch(c.commandLine), c.expected) << c.commandLine;
}

}  // namespace
}  // namespace veyra
