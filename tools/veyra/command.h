// The subcommands of the operators' command-line tool. Each prints its result on standard output
// and its errors on standard error, and returns the exit status: 0 on success, 1 on failure.
#pragma once

#include <string>
#include <vector>

namespace veyra::tool {

using Arguments = std::vector<std::string>;

int CrcCommand(const Arguments& args);
int FetchCommand(const Arguments& args);
int ListCommand(const Arguments& args);
int SettingsCommand(const Arguments& args);
int PackCommand(const Arguments& args);
int UnpackCommand(const Arguments& args);

}  // namespace veyra::tool
