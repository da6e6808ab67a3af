// Reading the fetched settings document into the settings.
#pragma once

#include <string>

#include "app/settings.h"

namespace veyra {

// Normalises the line breaks of `fetched` (UTF-8), converts it to the system's ANSI code page,
// reads it as XML and reads its ten elements in order, storing each value in `settings` as soon
// as it has been read. Throws veyra::Error at the first failure: the fields read before it keep
// their new values, the others stay as they were.
void ReadSettingsDocument(const std::string& fetched, Settings& settings);

}  // namespace veyra
