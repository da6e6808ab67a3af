// The named mutex on POSIX: an exclusive flock on "<runtime folder>/veyra-<name>.lock", where the
// runtime folder is $XDG_RUNTIME_DIR, else /tmp. The lock lasts until the mutex is destroyed or the
// process ends. flock belongs to the open file description, so a second mutex of the same name is
// refused even within this process.
#include "platform/mutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/posix/file_descriptor.h"

namespace veyra::platform {
namespace {

using posix::FileDescriptor;

std::string LockFilePath(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::string path = runtime && runtime[0] == '/' ? runtime : "/tmp";
  path += "/veyra-";
  for (const char c : name) path += c == '/' || c == '\\' ? '_' : c;
  return path + ".lock";
}

// Opens the lock file without following a link planted in its place, and creates it only when
// missing (a shared /tmp refuses O_CREAT on another user's file).
FileDescriptor OpenLockFile(const std::string& path) {
  constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW;
  FileDescriptor fd(::open(path.c_str(), kFlags));
  if (!fd.valid() && errno == ENOENT)
    fd = FileDescriptor(::open(path.c_str(), kFlags | O_CREAT, 0644));
  return fd;
}

bool TryLock(int fd) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

}  // namespace

NamedMutex::NamedMutex(const std::string& name)
    : handle_(OpenLockFile(LockFilePath(name)).Release()) {
  owned_ = handle_ >= 0 && TryLock(static_cast<int>(handle_));
}

NamedMutex::~NamedMutex() { FileDescriptor closing(static_cast<int>(handle_)); }

WaitResult NamedMutex::TryWait() {
  if (!owned_ && handle_ >= 0) owned_ = TryLock(static_cast<int>(handle_));
  return owned_ ? WaitResult::Object0 : WaitResult::Other;
}

}  // namespace veyra::platform
