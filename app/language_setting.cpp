#include "app/language_setting.h"

#include <optional>

#include "base/error.h"
#include "base/integer_text.h"
#include "platform/registry.h"

namespace veyra {
namespace {

std::string SettingsSection(const std::string& updaterKeyPath) {
  return updaterKeyPath + "\\Settings";
}

// The value as text, empty when it is missing; nothing when it cannot be read as text.
std::optional<std::string> ReadLanguageText(const platform::RegistryKey& section) {
  try {
    return section.ReadString("language").value_or("");
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

int ReadLanguage(const std::string& updaterKeyPath) {
  std::optional<platform::RegistryKey> section =
      platform::RegistryKey::OpenExisting(SettingsSection(updaterKeyPath));
  if (!section) return kDefaultLanguage;
  std::optional<std::string> text = ReadLanguageText(*section);
  if (!text) return kDefaultLanguage;
  return ParseIntegerText(*text).value_or(kDefaultLanguage);
}

void WriteLanguage(const std::string& updaterKeyPath, int language) {
  platform::RegistryKey::OpenOrCreate(SettingsSection(updaterKeyPath))
      .WriteString("Language", std::to_string(language));
}

}  // namespace veyra
