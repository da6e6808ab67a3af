// Starting programs without waiting for them.
#pragma once

#include <string>
#include <vector>

namespace veyra::platform::posix {

// Starts arguments[0] (looked up in PATH when it has no slash) with the arguments, lowered to the
// given nice value, and reaps it on a thread of its own when it ends. Returns whether it started.
bool SpawnDetached(const std::vector<std::string>& arguments, int nice_value = 0);

// Whether an executable file of the name is found in PATH.
bool IsInPath(const std::string& program);

}  // namespace veyra::platform::posix
