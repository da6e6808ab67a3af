// The status-text language kept in the per-user registry, in the section (subkey) Settings of the
// updater's key.
#pragma once

#include <string>

namespace veyra {

inline constexpr int kDefaultLanguage = 1;

// The value "language" read as integer text; 1 when the section or the value is missing, holds
// another type than text, or does not convert.
int ReadLanguage(const std::string& updaterKeyPath);

// Writes the language as decimal text to the value "Language", creating the section when it is
// missing. Throws veyra::Error when the registry refuses.
void WriteLanguage(const std::string& updaterKeyPath, int language);

}  // namespace veyra
