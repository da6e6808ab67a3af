// The per-user registry of Windows: keys below HKEY_CURRENT_USER opened with full access.
#include "platform/registry.h"

#include <windows.h>

#include <utility>

#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

namespace veyra::platform {
namespace {

using win32::SystemError;
using win32::Widen;

HKEY ToKey(std::intptr_t handle) { return reinterpret_cast<HKEY>(handle); }
std::intptr_t FromKey(HKEY key) { return reinterpret_cast<std::intptr_t>(key); }

void SetValue(HKEY key, const std::string& keyPath, const std::string& name, DWORD type,
              const void* data, std::size_t size) {
  const LSTATUS status = ::RegSetValueExW(key, Widen(name).c_str(), 0, type,
                                          static_cast<const BYTE*>(data), static_cast<DWORD>(size));
  if (status != ERROR_SUCCESS) {
    throw SystemError("cannot write the value " + name + " of " + keyPath, status);
  }
}

}  // namespace

RegistryKey RegistryKey::OpenOrCreate(const std::string& path) {
  HKEY key = nullptr;
  const LSTATUS status =
      ::RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) throw SystemError("cannot open the key " + path, status);
  return RegistryKey(FromKey(key), path);
}

std::optional<RegistryKey> RegistryKey::OpenExisting(const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, KEY_ALL_ACCESS, &key) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return RegistryKey(FromKey(key), path);
}

void RegistryKey::DeleteTree(const std::string& path) {
  const LSTATUS status = ::RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path).c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    throw SystemError("cannot delete the key " + path, status);
  }
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : handle_(std::exchange(other.handle_, 0)), path_(std::move(other.path_)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    if (handle_ != 0) ::RegCloseKey(ToKey(handle_));
    handle_ = std::exchange(other.handle_, 0);
    path_ = std::move(other.path_);
  }
  return *this;
}

RegistryKey::~RegistryKey() {
  if (handle_ != 0) ::RegCloseKey(ToKey(handle_));
}

// Text values are REG_SZ, or REG_EXPAND_SZ read as written. The stored text need not end with a
// terminator, and the value may grow between asking for its size and reading it.
std::optional<std::string> RegistryKey::ReadString(const std::string& name) const {
  const std::wstring wideName = Widen(name);
  std::wstring text;
  for (;;) {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const LSTATUS status = ::RegQueryValueExW(ToKey(handle_), wideName.c_str(), nullptr, &type,
                                              reinterpret_cast<BYTE*>(text.data()), &size);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) {
      throw SystemError("cannot read the value " + name + " of " + path_, status);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
      throw Error("cannot read the value " + name + " of " + path_ + ": it does not hold text");
    }
    const std::size_t characters = (size + sizeof(wchar_t) - 1) / sizeof(wchar_t);
    if (status == ERROR_SUCCESS && characters <= text.size()) {
      text.resize(characters);
      break;
    }
    text.resize(characters);
  }
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return win32::Narrow(text);
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
  const std::wstring wide = Widen(value);
  SetValue(ToKey(handle_), path_, name, REG_SZ, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

void RegistryKey::WriteInteger(const std::string& name, std::int32_t value) {
  const DWORD data = static_cast<DWORD>(value);
  SetValue(ToKey(handle_), path_, name, REG_DWORD, &data, sizeof data);
}

}  // namespace veyra::platform
