// The registry on POSIX: each key is a folder below $XDG_CONFIG_HOME/veyra-registry (else
// ~/.config/veyra-registry) named by the lower-case key names, and its values are the lines of the
// file "Values" in it. That name has an upper-case letter, so no lower-cased subkey folder can
// take it. The open key holds its folder; a flock on the folder orders readers and writers, and a
// write replaces the file atomically (temporary file, fsync, rename).
#include "platform/registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "base/error.h"
#include "platform/files.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/system_error.h"

namespace veyra::platform {
namespace {

using posix::FileDescriptor;
using posix::SystemError;

constexpr char kValuesFile[] = "Values";
constexpr char kValuesTemporaryFile[] = "Values.tmp";

enum class ValueType { Text, Integer };

struct Value {
  std::string name;
  ValueType type;
  std::string data;  // the text, or the integer in decimal
};

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool SameName(const std::string& a, const std::string& b) { return LowerAscii(a) == LowerAscii(b); }

std::string RegistryRoot() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return std::string(config) + "/veyra-registry";
  const char* home = std::getenv("HOME");
  if (!home || home[0] != '/') throw Error("no folder for the registry: HOME is not set");
  return std::string(home) + "/.config/veyra-registry";
}

// The folder of a key; nothing for a path with an empty, "." or ".." name or a slash in a name.
std::optional<std::string> KeyFolder(const std::string& key_path) {
  std::string folder = RegistryRoot();
  std::size_t begin = 0;
  while (true) {
    const std::size_t end = key_path.find('\\', begin);
    const std::string name = key_path.substr(begin, end - begin);
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
      return std::nullopt;
    }
    folder += '/' + LowerAscii(name);
    if (end == std::string::npos) return folder;
    begin = end + 1;
  }
}

// One line per value: "<type> <name>=<data>", where name and data escape blanks, controls, "%" and
// "=" as %XX.
std::string Escape(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F || c == '%' || c == '=') {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0F];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      plain += text[i];
      continue;
    }
    unsigned byte = 0;
    if (i + 2 >= text.size()) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 3, byte, 16);
    if (error != std::errc() || end != text.data() + i + 3) return std::nullopt;
    plain += static_cast<char>(byte);
    i += 2;
  }
  return plain;
}

std::string FormatValues(const std::vector<Value>& values) {
  std::string text;
  for (const Value& value : values) {
    text += value.type == ValueType::Text ? "sz " : "dword ";
    text += Escape(value.name) + '=' + Escape(value.data) + '\n';
  }
  return text;
}

// A line that does not parse is not a value and is left out.
std::optional<Value> ParseValue(std::string_view line) {
  const std::size_t blank = line.find(' ');
  const std::size_t equals = line.find('=');
  if (blank == std::string_view::npos || equals == std::string_view::npos || equals < blank) {
    return std::nullopt;
  }
  const std::string_view type = line.substr(0, blank);
  if (type != "sz" && type != "dword") return std::nullopt;
  auto name = Unescape(line.substr(blank + 1, equals - blank - 1));
  auto data = Unescape(line.substr(equals + 1));
  if (!name || !data) return std::nullopt;
  return Value{std::move(*name), type == "sz" ? ValueType::Text : ValueType::Integer,
               std::move(*data)};
}

std::vector<Value> ParseValues(std::string_view text) {
  std::vector<Value> values;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    if (auto value = ParseValue(text.substr(0, end))) values.push_back(std::move(*value));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return values;
}

// Holds a flock on the key's folder for one read or one read-modify-write.
class KeyLock {
 public:
  KeyLock(int folder, int operation) : folder_(folder) {
    while (::flock(folder_, operation) != 0 && errno == EINTR) {
    }
  }
  KeyLock(const KeyLock&) = delete;
  KeyLock& operator=(const KeyLock&) = delete;
  ~KeyLock() { ::flock(folder_, LOCK_UN); }

 private:
  int folder_;
};

std::vector<Value> ReadValues(int folder, const std::string& key_path) {
  FileDescriptor file(::openat(folder, kValuesFile, O_RDONLY | O_CLOEXEC));
  if (!file.valid()) {
    if (errno == ENOENT) return {};
    throw SystemError("cannot read registry key " + key_path);
  }
  std::string text;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(file.get(), buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw SystemError("cannot read registry key " + key_path);
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return ParseValues(text);
}

void WriteValues(int folder, const std::string& key_path, const std::vector<Value>& values) {
  const std::string text = FormatValues(values);
  FileDescriptor file(
      ::openat(folder, kValuesTemporaryFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
  if (!file.valid()) throw SystemError("cannot write registry key " + key_path);
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(file.get(), text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw SystemError("cannot write registry key " + key_path);
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(file.get()) != 0 ||
      ::renameat(folder, kValuesTemporaryFile, folder, kValuesFile) != 0) {
    throw SystemError("cannot write registry key " + key_path);
  }
}

void SetValue(int folder, const std::string& key_path, Value value) {
  KeyLock lock(folder, LOCK_EX);
  std::vector<Value> values = ReadValues(folder, key_path);
  auto same = std::find_if(values.begin(), values.end(),
                           [&](const Value& v) { return SameName(v.name, value.name); });
  if (same == values.end()) {
    values.push_back(std::move(value));
  } else {
    same->type = value.type;
    same->data = std::move(value.data);
  }
  WriteValues(folder, key_path, values);
}

FileDescriptor OpenFolder(const std::string& folder) {
  return FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

}  // namespace

RegistryKey RegistryKey::OpenOrCreate(const std::string& path) {
  const auto folder = KeyFolder(path);
  if (!folder) throw Error("cannot create registry key " + path + ": invalid key name");
  CreateDirectories(*folder);
  FileDescriptor opened = OpenFolder(*folder);
  if (!opened.valid()) throw SystemError("cannot open registry key " + path);
  return RegistryKey(opened.Release(), path);
}

std::optional<RegistryKey> RegistryKey::OpenExisting(const std::string& path) {
  const auto folder = KeyFolder(path);
  if (!folder) return std::nullopt;
  FileDescriptor opened = OpenFolder(*folder);
  if (!opened.valid()) return std::nullopt;
  return RegistryKey(opened.Release(), path);
}

void RegistryKey::DeleteTree(const std::string& path) {
  const auto folder = KeyFolder(path);
  if (!folder) throw Error("cannot delete registry key " + path + ": invalid key name");
  std::error_code error;
  std::filesystem::remove_all(*folder, error);
  if (error) throw Error("cannot delete registry key " + path + ": " + error.message());
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), path_(std::move(other.path_)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    FileDescriptor closing(static_cast<int>(handle_));
    handle_ = std::exchange(other.handle_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

RegistryKey::~RegistryKey() { FileDescriptor closing(static_cast<int>(handle_)); }

std::optional<std::string> RegistryKey::ReadString(const std::string& name) const {
  const int folder = static_cast<int>(handle_);
  KeyLock lock(folder, LOCK_SH);
  for (const Value& value : ReadValues(folder, path_)) {
    if (!SameName(value.name, name)) continue;
    if (value.type != ValueType::Text) {
      throw Error("registry value " + name + " of " + path_ + " is not text");
    }
    return value.data;
  }
  return std::nullopt;
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
  SetValue(static_cast<int>(handle_), path_, Value{name, ValueType::Text, value});
}

void RegistryKey::WriteInteger(const std::string& name, std::int32_t value) {
  SetValue(static_cast<int>(handle_), path_,
           Value{name, ValueType::Integer, std::to_string(value)});
}

}  // namespace veyra::platform
