#include "platform/process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/command_line.h"
#include "platform/files.h"
#include "testing/temp_dir.h"

namespace veyra::platform {
namespace {

using veyra::testing::TempDir;

constexpr char kChildFilter[] = "--gtest_filter=ProcessChild.WritesItsCommandLine";
constexpr char kOutputFlag[] = "--veyra-output=";

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

// Waits for a started process to write a file, with a bound generous enough for a loaded machine
// and Wine; returns the content once there is any, or nothing when none came.
std::optional<std::string> AwaitFile(const std::string& path) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::minutes(2);
  while (std::chrono::steady_clock::now() < give_up) {
    std::ifstream file(path, std::ios::binary);
    std::string content(std::istreambuf_iterator<char>(file), {});
    if (!content.empty()) return content;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return std::nullopt;
}

// Not a test of its own: the tests below start this program again with it as the only test, and
// it writes the command line it was given into the file that its arguments name.
TEST(ProcessChild, WritesItsCommandLine) {
  const std::string command_line = CommandLine();
  std::string output;
  for (const std::string& argument : SplitCommandLine(command_line)) {
    if (argument.rfind(kOutputFlag, 0) == 0) output = argument.substr(std::size(kOutputFlag) - 1);
  }
  if (output.empty()) GTEST_SKIP() << "runs only when started by the process tests";
  {
    File file = File::Create(output + ".tmp");
    file.Write(command_line.data(), command_line.size());
  }
  ReplaceFile(output + ".tmp", output);
}

TEST(Process, CommandLineStartsWithThisProgram) {
  const std::vector<std::string> arguments = SplitCommandLine(CommandLine());
  ASSERT_FALSE(arguments.empty());
  EXPECT_EQ(FileName(arguments[0]).rfind("veyra_tests", 0), 0u) << arguments[0];
}

TEST(Process, ExecutablePathNamesThisProgram) {
  const std::string path = ExecutablePath();
  EXPECT_TRUE(FileExists(path)) << path;
  EXPECT_EQ(FileName(path).rfind("veyra_tests", 0), 0u) << path;
}

TEST(Process, CurrentDirectoryExists) { EXPECT_TRUE(DirectoryExists(CurrentDirectory())); }

TEST(ProcessDeathTest, ExitProcessEndsTheProcessWithTheCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ExitProcess(3), ::testing::ExitedWithCode(3), "");
}

TEST(Process, EnvironmentVariables) {
  EXPECT_TRUE(EnvironmentVariable("PATH"));
  EXPECT_EQ(EnvironmentVariable("VEYRA_TEST_SURELY_UNSET_VARIABLE"), std::nullopt);
}

TEST(Process, HiddenIdleProcessGetsTheCommandLineAsWritten) {
  TempDir dir;
  const std::string output = dir.Path("command-line.txt");
  const std::string command_line =
      JoinCommandLine({ExecutablePath(), kChildFilter, kOutputFlag + output, "two words",
                       "quote\"inside", "trailing\\", ""});
  ASSERT_TRUE(StartHiddenIdleProcess(command_line));
  EXPECT_EQ(AwaitFile(output), command_line);
}

TEST(Process, HiddenIdleProcessRunsAScriptThroughTheCommandInterpreter) {
  TempDir dir;
  const std::string output = dir.Path("script-output.txt");
  const std::string script = dir.WriteFile("write.cmd", "echo done>\"" + output + "\"\n");
  ASSERT_TRUE(StartHiddenIdleProcess(QuoteArgument(script)));
  const auto written = AwaitFile(output);
  ASSERT_TRUE(written);
  EXPECT_EQ(written->substr(0, 4), "done");
}

TEST(Process, HiddenIdleProcessOfAMissingProgramFails) {
  TempDir dir;
  EXPECT_FALSE(StartHiddenIdleProcess(QuoteArgument(dir.Path("missing program"))));
}

TEST(Process, ShellOpenRunsAProgramWithItsParameters) {
  TempDir dir;
  const std::string output = dir.Path("shell.txt");
  const std::string parameters =
      JoinCommandLine({kChildFilter, kOutputFlag + output, "two words", "-client"});
  ASSERT_TRUE(ShellOpen(ExecutablePath(), parameters));
  const auto command_line = AwaitFile(output);
  ASSERT_TRUE(command_line);
  std::vector<std::string> arguments = SplitCommandLine(*command_line);
  ASSERT_FALSE(arguments.empty());
  arguments.erase(arguments.begin());
  EXPECT_EQ(arguments, SplitArguments(parameters));
}

TEST(Process, ShellOpenOfAMissingFileFails) {
  TempDir dir;
  EXPECT_FALSE(ShellOpen(dir.Path("missing.txt"), ""));
}

}  // namespace
}  // namespace veyra::platform
