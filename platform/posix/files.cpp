// Files on POSIX. Sharing modes are advisory flocks taken by every handle of this layer; the
// read-only attribute is the missing owner write bit.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "base/error.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/system_error.h"

namespace veyra::platform {
namespace {

using posix::FileDescriptor;
using posix::NativePath;
using posix::SystemError;

constexpr char kInUseReason[] = "the file is being used by another handle";

std::optional<struct stat> StatusOf(const std::string& native_path) {
  struct stat status;
  if (::stat(native_path.c_str(), &status) != 0) return std::nullopt;
  return status;
}

bool LacksOwnerWriteBit(const struct stat& status) { return (status.st_mode & S_IWUSR) == 0; }

// Takes the flock that stands for the sharing mode; false when another handle's lock prevents it.
bool TryLock(int fd, Sharing sharing) {
  const int operation = sharing == Sharing::None ? LOCK_EX : LOCK_SH;
  while (::flock(fd, operation | LOCK_NB) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// Whether a handle of this layer has the file open (so Windows would refuse to delete or move it).
bool IsOpenElsewhere(const std::string& native_path) {
  FileDescriptor probe(::open(native_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  return probe.valid() && !TryLock(probe.get(), Sharing::None);
}

FileDescriptor OpenLocked(const std::string& path, int flags, Sharing sharing) {
  const std::string native = NativePath(path);
  FileDescriptor fd(::open(native.c_str(), flags | O_CLOEXEC, 0666));
  if (!fd.valid()) throw SystemError("cannot open " + path);
  struct stat status;
  if (::fstat(fd.get(), &status) != 0) throw SystemError("cannot open " + path);
  if (S_ISDIR(status.st_mode)) throw SystemError("cannot open " + path, EISDIR);
  if (!TryLock(fd.get(), sharing)) throw Error("cannot open " + path + ": " + kInUseReason);
  return fd;
}

// Reads until count bytes have arrived or the file ends: from the position, or from offset
// without moving the position.
std::size_t ReadUntilEnd(int fd, const std::string& path, void* buffer, std::size_t count,
                         std::optional<std::int64_t> offset) {
  auto* bytes = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const std::size_t wanted = count - done;
    const ssize_t n =
        offset ? ::pread(fd, bytes + done, wanted, *offset + static_cast<std::int64_t>(done))
               : ::read(fd, bytes + done, wanted);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw SystemError("cannot read " + path);
    }
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace

File File::OpenForReading(const std::string& path, Sharing sharing) {
  return File(OpenLocked(path, O_RDONLY, sharing).Release(), path);
}

File File::Create(const std::string& path) {
  // Like Windows, refuse to replace a read-only file even where the user could write it.
  const auto existing = StatusOf(NativePath(path));
  if (existing && !S_ISDIR(existing->st_mode) && LacksOwnerWriteBit(*existing)) {
    throw SystemError("cannot create " + path, EACCES);
  }
  // Truncate only once the lock shows that no other handle has the file open.
  FileDescriptor fd = OpenLocked(path, O_RDWR | O_CREAT, Sharing::None);
  if (::ftruncate(fd.get(), 0) != 0) throw SystemError("cannot create " + path);
  return File(fd.Release(), path);
}

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    FileDescriptor closing(static_cast<int>(handle_));
    handle_ = std::exchange(other.handle_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

File::~File() { FileDescriptor closing(static_cast<int>(handle_)); }

std::size_t File::Read(void* buffer, std::size_t count) {
  return ReadUntilEnd(static_cast<int>(handle_), path_, buffer, count, std::nullopt);
}

std::size_t File::ReadAt(void* buffer, std::size_t count, std::int64_t offset) {
  return ReadUntilEnd(static_cast<int>(handle_), path_, buffer, count, offset);
}

void File::Write(const void* data, std::size_t count) {
  const auto* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(static_cast<int>(handle_), bytes + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw SystemError("cannot write " + path_);
    }
    done += static_cast<std::size_t>(n);
  }
}

std::int64_t File::Seek(std::int64_t offset, SeekOrigin origin) {
  const int whence = origin == SeekOrigin::Begin     ? SEEK_SET
                     : origin == SeekOrigin::Current ? SEEK_CUR
                                                     : SEEK_END;
  const off_t position = ::lseek(static_cast<int>(handle_), offset, whence);
  if (position < 0) throw SystemError("cannot seek in " + path_);
  return position;
}

std::int64_t File::Size() const {
  struct stat status;
  if (::fstat(static_cast<int>(handle_), &status) != 0) throw SystemError("cannot size " + path_);
  return status.st_size;
}

void File::Close() {
  if (handle_ < 0) return;
  const int fd = static_cast<int>(std::exchange(handle_, -1));
  if (::close(fd) != 0 && errno != EINTR) throw SystemError("cannot close " + path_);
}

bool FileExists(const std::string& path) {
  const auto status = StatusOf(NativePath(path));
  return status && !S_ISDIR(status->st_mode);
}

bool DirectoryExists(const std::string& path) {
  const auto status = StatusOf(NativePath(path));
  return status && S_ISDIR(status->st_mode);
}

bool IsReadOnly(const std::string& path) {
  const auto status = StatusOf(NativePath(path));
  return !status || LacksOwnerWriteBit(*status);
}

bool SetNormalAttributes(const std::string& path) {
  const std::string native = NativePath(path);
  const auto status = StatusOf(native);
  return status && ::chmod(native.c_str(), (status->st_mode & 07777) | S_IWUSR) == 0;
}

bool DeleteFile(const std::string& path) {
  const std::string native = NativePath(path);
  const auto status = StatusOf(native);
  if (!status || S_ISDIR(status->st_mode) || LacksOwnerWriteBit(*status)) return false;
  if (IsOpenElsewhere(native)) return false;
  return ::unlink(native.c_str()) == 0;
}

void CreateDirectories(const std::string& path) {
  const std::string native = NativePath(path);
  for (std::size_t end = native.find('/', 1);; end = native.find('/', end + 1)) {
    const std::string folder = native.substr(0, end);
    if (!folder.empty() && folder.back() != '/' && ::mkdir(folder.c_str(), 0777) != 0) {
      const int error = errno;
      if (error != EEXIST || !DirectoryExists(folder)) {
        throw SystemError("cannot create folder " + folder, error);
      }
    }
    if (end == std::string::npos) return;
  }
}

void ReplaceFile(const std::string& from, const std::string& to) {
  const std::string native_from = NativePath(from);
  const std::string native_to = NativePath(to);
  const std::string subject = from + " to " + to;
  const auto target = StatusOf(native_to);
  if (target && LacksOwnerWriteBit(*target)) throw SystemError("cannot move " + subject, EACCES);
  if (IsOpenElsewhere(native_from) || (target && IsOpenElsewhere(native_to))) {
    throw Error("cannot move " + subject + ": " + kInUseReason);
  }
  if (::rename(native_from.c_str(), native_to.c_str()) != 0)
    throw SystemError("cannot move " + subject);
}

}  // namespace veyra::platform
