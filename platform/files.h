// Files and folders. Paths are UTF-8; backslashes separate folders on every platform (the POSIX
// implementation turns them into slashes). Every failure throws veyra::Error naming the path and
// the system's reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace veyra::platform {

// Who else may use a file while it is open.
//  None:      the open fails while any other handle to the file is open, and no other open
//             succeeds while this one lasts.
//  ReadWrite: others may read and write the file meanwhile.
// POSIX honours this between handles that all come from this layer (an advisory flock, exclusive
// for None and shared for ReadWrite); programs that take no lock are not seen.
enum class Sharing { None, ReadWrite };

enum class SeekOrigin { Begin, Current, End };

class File {
 public:
  // An existing file, read access only.
  static File OpenForReading(const std::string& path, Sharing sharing);
  // Read and write access, no sharing; an existing file is replaced by an empty one with normal
  // attributes.
  static File Create(const std::string& path);

  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  // Returns the bytes read: count, or fewer only at the end of the file (0 there).
  std::size_t Read(void* buffer, std::size_t count);
  // Reads from the given offset instead of the position, so that several threads may read one
  // file at once. Returns the bytes read, fewer only at the end of the file. Afterwards the
  // position that Read uses is unspecified.
  std::size_t ReadAt(void* buffer, std::size_t count, std::int64_t offset);
  // Writes all count bytes or throws.
  void Write(const void* data, std::size_t count);
  // Returns the new position.
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin);
  std::int64_t Size() const;
  // Closes now; the destructor closes too.
  void Close();
  const std::string& path() const { return path_; }

 private:
  File(std::intptr_t handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  std::intptr_t handle_;
  std::string path_;
};

// A file exists at the path (a folder does not count; a link counts by its target).
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Also true when the attributes cannot be read.
bool IsReadOnly(const std::string& path);
// Resets the attributes to normal (clears read-only); returns false on failure.
bool SetNormalAttributes(const std::string& path);
// Returns false when the file did not exist or could not be deleted.
bool DeleteFile(const std::string& path);
// Creates the folder and its missing parents; throws on failure.
void CreateDirectories(const std::string& path);
// Moves from over to, replacing to atomically where the system allows; throws on failure.
void ReplaceFile(const std::string& from, const std::string& to);

}  // namespace veyra::platform
