// The process on POSIX. The command line is rebuilt from the argument vector in the form Windows
// would give it; the shell is xdg-open, with programs run directly and .exe files through Wine.
#include "platform/process.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "base/error.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/posix/spawn.h"
#include "platform/posix/system_error.h"

namespace veyra::platform {
namespace {

using posix::IsInPath;
using posix::NativePath;
using posix::SpawnDetached;
using posix::SystemError;

constexpr int kIdleNiceValue = 19;

std::vector<std::string> ProcessArguments() {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  const std::string all(std::istreambuf_iterator<char>(file), {});
  std::vector<std::string> arguments;
  for (std::size_t begin = 0; begin < all.size();) {
    const std::size_t end = std::min(all.find('\0', begin), all.size());
    arguments.push_back(all.substr(begin, end - begin));
    begin = end + 1;
  }
  return arguments;
}

// "scheme:" with a scheme of two or more characters, so that "C:\x" stays a path.
bool IsUrl(const std::string& target) {
  const std::size_t colon = target.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = target[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit_or_sign = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    if (!(letter || (i > 0 && digit_or_sign))) return false;
  }
  return true;
}

bool HasExeExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string extension = path.substr(path.size() - 4);
  for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return extension == ".exe";
}

// The arguments that open a file: the program itself, a Windows program through Wine, anything
// else through xdg-open (which takes no parameters).
std::vector<std::string> OpeningArguments(std::string path, const std::string& parameters) {
  if (path.find('/') == std::string::npos) path = "./" + path;
  std::vector<std::string> arguments;
  if (HasExeExtension(path) && IsInPath("wine")) {
    arguments = {"wine", path};
  } else if (!DirectoryExists(path) && ::access(path.c_str(), X_OK) == 0) {
    arguments = {path};
  } else {
    return {"xdg-open", path};
  }
  for (std::string& parameter : SplitArguments(parameters))
    arguments.push_back(std::move(parameter));
  return arguments;
}

}  // namespace

std::string CommandLine() { return JoinCommandLine(ProcessArguments()); }

std::optional<std::string> EnvironmentVariable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return value;
}

std::string CurrentDirectory() {
  std::vector<char> buffer(256);
  while (!::getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) throw SystemError("cannot read the current folder");
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

std::string ExecutablePath() {
  std::vector<char> buffer(256);
  while (true) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) throw SystemError("cannot read the executable's path");
    if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

void ExitProcess(int code) {
  // Like ExitProcess: no destructors of static objects while other threads may still run.
  std::fflush(nullptr);
  ::_exit(code);
}

bool ShellOpen(const std::string& target, const std::string& parameters) {
  if (IsUrl(target)) return SpawnDetached({"xdg-open", target});
  const std::string path = NativePath(target);
  if (!FileExists(path) && !DirectoryExists(path)) return false;
  return SpawnDetached(OpeningArguments(path, parameters));
}

bool StartHiddenIdleProcess(const std::string& commandLine) {
  std::vector<std::string> arguments = SplitCommandLine(commandLine);
  if (arguments.empty()) return false;
  std::string& program = arguments[0];
  program = NativePath(program);
  // Like CreateProcessW, look in the current folder before PATH.
  if (program.find('/') == std::string::npos && FileExists(program)) program = "./" + program;
  // A file that is no program (a script without the execute bit) runs through sh, as Windows runs
  // a .cmd file through its command interpreter.
  if (FileExists(program) && ::access(program.c_str(), X_OK) != 0) {
    arguments.insert(arguments.begin(), "/bin/sh");
  }
  return SpawnDetached(arguments, kIdleNiceValue);
}

}  // namespace veyra::platform
