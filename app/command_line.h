// How the program learns that the game client started it.
#pragma once

#include <string_view>

namespace veyra {

// True when the whole command line, with the ASCII letters A-Z lower-cased, is "-client": the
// game client passes that word alone, while a shell puts the program path in front of it.
bool IsClientLaunch(std::string_view commandLine);

}  // namespace veyra
