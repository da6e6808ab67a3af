// How the reader compares names: element names as the system compares text without regard to
// letter case, attribute names by the ASCII letters A to Z only.
#pragma once

#include <string_view>

#include "services/xml/document.h"

namespace veyra::xml {

bool ElementNamesEqual(std::string_view a, std::string_view b, Charset charset);
bool AttributeNamesEqual(std::string_view a, std::string_view b);

}  // namespace veyra::xml
