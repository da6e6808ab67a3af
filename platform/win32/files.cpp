// Files on Windows: the W functions with paths converted from UTF-8, and 64-bit sizes.
#include "platform/files.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

// <windows.h> names these after its own functions; ours keep their names.
#undef DeleteFile
#undef ReplaceFile

namespace veyra::platform {
namespace {

using win32::SystemError;
using win32::Widen;

HANDLE ToHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
std::intptr_t FromHandle(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

std::intptr_t OpenHandle(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  const HANDLE handle = ::CreateFileW(Widen(path).c_str(), access, share, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw SystemError("cannot open " + path);
  return FromHandle(handle);
}

// The attributes of the file itself or, for a link, of its target; INVALID_FILE_ATTRIBUTES when
// there is no such file (a link whose target is missing included).
DWORD AttributesOf(const std::string& path) {
  const std::wstring wide = Widen(path);
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return attributes;
  }
  const HANDLE target = ::CreateFileW(
      wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (target == INVALID_HANDLE_VALUE) return INVALID_FILE_ATTRIBUTES;
  BY_HANDLE_FILE_INFORMATION information;
  const BOOL known = ::GetFileInformationByHandle(target, &information);
  ::CloseHandle(target);
  return known ? information.dwFileAttributes : INVALID_FILE_ATTRIBUTES;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Windows refuses to replace a read-only file with ERROR_ACCESS_DENIED; Wine run by root lets the
// replacement through, so the attribute is checked here as well.
void RefuseReadOnlyTarget(const std::string& action, const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    throw SystemError(action, ERROR_ACCESS_DENIED);
  }
}

// Reads until count bytes have arrived or the file ends: from the position, or from offset. On a
// handle opened for synchronous access, ReadFile reads at the offset in the OVERLAPPED record and
// waits for the data; at or past the end it fails with ERROR_HANDLE_EOF.
std::size_t ReadUntilEnd(HANDLE handle, const std::string& path, void* buffer, std::size_t count,
                         std::optional<std::int64_t> offset) {
  auto* bytes = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(count - done, MAXDWORD));
    OVERLAPPED where{};
    if (offset) {
      const auto at = static_cast<std::uint64_t>(*offset) + done;
      where.Offset = static_cast<DWORD>(at);
      where.OffsetHigh = static_cast<DWORD>(at >> 32);
    }
    DWORD got = 0;
    if (!::ReadFile(handle, bytes + done, wanted, &got, offset ? &where : nullptr)) {
      if (::GetLastError() == ERROR_HANDLE_EOF) break;
      throw SystemError("cannot read " + path);
    }
    if (got == 0) break;
    done += got;
  }
  return done;
}

}  // namespace

File File::OpenForReading(const std::string& path, Sharing sharing) {
  const DWORD share = sharing == Sharing::None ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
  return File(OpenHandle(path, GENERIC_READ, share, OPEN_EXISTING), path);
}

File File::Create(const std::string& path) {
  RefuseReadOnlyTarget("cannot open " + path, path);
  return File(OpenHandle(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS), path);
}

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, FromHandle(INVALID_HANDLE_VALUE))),
      path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, FromHandle(INVALID_HANDLE_VALUE));
    path_ = std::move(other.path_);
  }
  return *this;
}

File::~File() { Close(); }

std::size_t File::Read(void* buffer, std::size_t count) {
  return ReadUntilEnd(ToHandle(handle_), path_, buffer, count, std::nullopt);
}

std::size_t File::ReadAt(void* buffer, std::size_t count, std::int64_t offset) {
  return ReadUntilEnd(ToHandle(handle_), path_, buffer, count, offset);
}

void File::Write(const void* data, std::size_t count) {
  const auto* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < count) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(count - done, MAXDWORD));
    DWORD put = 0;
    if (!::WriteFile(ToHandle(handle_), bytes + done, wanted, &put, nullptr)) {
      throw SystemError("cannot write " + path_);
    }
    done += put;
  }
}

std::int64_t File::Seek(std::int64_t offset, SeekOrigin origin) {
  const DWORD method = origin == SeekOrigin::Begin     ? FILE_BEGIN
                       : origin == SeekOrigin::Current ? FILE_CURRENT
                                                       : FILE_END;
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  LARGE_INTEGER position;
  if (!::SetFilePointerEx(ToHandle(handle_), distance, &position, method)) {
    throw SystemError("cannot seek in " + path_);
  }
  return position.QuadPart;
}

std::int64_t File::Size() const {
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(ToHandle(handle_), &size)) {
    throw SystemError("cannot get the size of " + path_);
  }
  return size.QuadPart;
}

void File::Close() {
  if (ToHandle(handle_) == INVALID_HANDLE_VALUE) return;
  ::CloseHandle(ToHandle(std::exchange(handle_, FromHandle(INVALID_HANDLE_VALUE))));
}

bool FileExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsReadOnly(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY);
}

bool SetNormalAttributes(const std::string& path) {
  return ::SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}

bool DeleteFile(const std::string& path) { return ::DeleteFileW(Widen(path).c_str()) != 0; }

// Creates each missing folder from the top down. A prefix that cannot be created (a drive, the
// server of a network path) is passed over; only the folder asked for must exist at the end.
void CreateDirectories(const std::string& path) {
  DWORD firstFailure = ERROR_SUCCESS;
  for (std::size_t end = 0; end <= path.size(); ++end) {
    if (end < path.size() && !IsSeparator(path[end])) continue;
    const std::string folder = path.substr(0, end);
    if (folder.empty() || IsSeparator(folder.back()) || DirectoryExists(folder)) continue;
    if (!::CreateDirectoryW(Widen(folder).c_str(), nullptr) && firstFailure == ERROR_SUCCESS) {
      firstFailure = ::GetLastError();
    }
  }
  if (!DirectoryExists(path)) {
    throw SystemError("cannot create the folder " + path,
                      firstFailure == ERROR_SUCCESS ? ERROR_PATH_NOT_FOUND : firstFailure);
  }
}

void ReplaceFile(const std::string& from, const std::string& to) {
  RefuseReadOnlyTarget("cannot move " + from + " to " + to, to);
  if (!::MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_REPLACE_EXISTING)) {
    throw SystemError("cannot move " + from + " to " + to);
  }
}

}  // namespace veyra::platform
