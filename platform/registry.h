// Keys of the per-user registry (HKEY_CURRENT_USER on Windows; on POSIX one file per key under
// $XDG_CONFIG_HOME, else ~/.config, written atomically). Key paths use backslashes; key and value
// names are compared without regard to ASCII letter case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace veyra::platform {

class RegistryKey {
 public:
  // Opens the key with full access, creating it and its parents when missing; throws on failure.
  static RegistryKey OpenOrCreate(const std::string& path);
  // Opens an existing key with full access; nothing when it is missing or cannot be opened.
  static std::optional<RegistryKey> OpenExisting(const std::string& path);
  // Deletes the key with its values and everything below it; a missing key is no failure.
  static void DeleteTree(const std::string& path);

  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  // Nothing when the value is missing; throws when it holds another type than text.
  std::optional<std::string> ReadString(const std::string& name) const;
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, std::int32_t value);

 private:
  explicit RegistryKey(std::intptr_t handle, std::string path)
      : handle_(handle), path_(std::move(path)) {}
  std::intptr_t handle_;
  std::string path_;
};

}  // namespace veyra::platform
