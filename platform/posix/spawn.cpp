#include "platform/posix/spawn.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

extern char** environ;

namespace veyra::platform::posix {

bool SpawnDetached(const std::vector<std::string>& arguments, int nice_value) {
  if (arguments.empty()) return false;
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child;
  if (::posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  // posix_spawn has no attribute for the nice value; the child has only just started its program
  // when it is lowered here.
  if (nice_value != 0) ::setpriority(PRIO_PROCESS, static_cast<id_t>(child), nice_value);
  std::thread([child] {
    int status;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}

bool IsInPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  const std::string folders = path;
  for (std::size_t begin = 0; begin <= folders.size();) {
    const std::size_t end = std::min(folders.find(':', begin), folders.size());
    const std::string folder = end > begin ? folders.substr(begin, end - begin) : ".";
    if (::access((folder + '/' + program).c_str(), X_OK) == 0) return true;
    begin = end + 1;
  }
  return false;
}

}  // namespace veyra::platform::posix
