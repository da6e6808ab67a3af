// Both documents reach the reader with CR LF line breaks.
#pragma once

#include <string>
#include <string_view>

namespace veyra::xml {

// Splits the text into lines at CR LF, a lone CR and a lone LF, and joins them again each
// followed by CR LF, so the result ends with CR LF; an empty text stays empty.
std::string NormalizeLineBreaks(std::string_view text);

}  // namespace veyra::xml
