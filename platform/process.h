// The running process and the processes it starts.
#pragma once

#include <optional>
#include <string>

namespace veyra::platform {

// The command line as one string, as the system gives it (on POSIX the arguments joined with
// blanks and quoted the way Windows would, starting with argv[0] as the caller gave it).
std::string CommandLine();
std::optional<std::string> EnvironmentVariable(const std::string& name);
std::string CurrentDirectory();
// Full path of the running executable.
std::string ExecutablePath();
[[noreturn]] void ExitProcess(int code);

// Asks the shell to open a file or URL with the verb "open" and a parameter string (may be
// empty), in a normal window. Returns whether the shell accepted the request.
bool ShellOpen(const std::string& target, const std::string& parameters);

// Starts a command line with no window at idle priority and does not wait for it. Returns whether
// the process was created.
bool StartHiddenIdleProcess(const std::string& commandLine);

}  // namespace veyra::platform
