#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace veyra::platform {
namespace {

TEST(CommandLine, QuotesOnlyWhereNeeded) {
  struct Case {
    std::string argument;
    std::string quoted;
  };
  for (const Case& c :
       {Case{"-client", "-client"}, Case{"", "\"\""}, Case{"two words", "\"two words\""},
        Case{"C:\\dir\\", "C:\\dir\\"}, Case{"C:\\my dir\\", "\"C:\\my dir\\\\\""},
        Case{"say \"hi\"", "\"say \\\"hi\\\"\""}, Case{"a\\\"b", "\"a\\\\\\\"b\""},
        Case{"tab\there", "\"tab\there\""}}) {
    SCOPED_TRACE(c.argument);
    EXPECT_EQ(QuoteArgument(c.argument), c.quoted);
  }
}

TEST(CommandLine, SplitsTheWayTheWindowsRuntimeDoes) {
  struct Case {
    std::string text;
    std::vector<std::string> arguments;
  };
  const Case cases[] = {
      {"", {}},
      {"  a   b\t c ", {"a", "b", "c"}},
      {"\"a b\" c", {"a b", "c"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\\\\server\\share", {"\\\\server\\share"}},
      {"a\\\\\"b c\"", {"a\\b c"}},
      {"a\\\"b", {"a\"b"}},
      {"\"\"", {""}},
      {"\"a\"\"b\"", {"a\"b"}},
      {"\"unterminated quote", {"unterminated quote"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitArguments(c.text), c.arguments);
  }
}

TEST(CommandLine, ProgramNameTakesBackslashesAsTheyStand) {
  EXPECT_EQ(SplitCommandLine("\"C:\\Game Folder\\\" -client \"x y\""),
            (std::vector<std::string>{"C:\\Game Folder\\", "-client", "x y"}));
  EXPECT_EQ(SplitCommandLine("Client.exe"), (std::vector<std::string>{"Client.exe"}));
  EXPECT_EQ(SplitCommandLine("-client"), (std::vector<std::string>{"-client"}));
  EXPECT_EQ(SplitCommandLine(""), (std::vector<std::string>{}));
}

TEST(CommandLine, JoinedArgumentsSplitBackUnchanged) {
  const std::vector<std::string> arguments = {"/opt/game/Client",  "-client",       "",
                                              "two words",         "quote\"inside", "trailing\\",
                                              "spaced trailing\\", "\\\\\"",        "Привет мир"};
  EXPECT_EQ(SplitCommandLine(JoinCommandLine(arguments)), arguments);
}

}  // namespace
}  // namespace veyra::platform
