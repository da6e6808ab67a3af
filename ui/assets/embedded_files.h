// Files compiled into the program (the skin's pictures and its font), so that the executable
// needs nothing beside it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace veyra::assets {

// The bytes of the embedded file of that name ("main_form.png", "status_font.ttf"); throws
// veyra::Error when no such file was compiled in.
std::span<const std::uint8_t> EmbeddedFile(std::string_view name);

}  // namespace veyra::assets
