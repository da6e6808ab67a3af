// Splits a text at a separator. An empty field ends the split: when the separator stands at the
// start of what is left, everything from there on becomes the last element. So "a" "⁶" "⁶b" gives
// "a" and "⁶b", and "⁶a" stays one element.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veyra {

// The control character that joins the fields of scan and update entries.
inline constexpr std::string_view kEntrySeparator = "\x06";

// separator must not be empty.
std::vector<std::string> SplitLine(std::string_view text, std::string_view separator);

}  // namespace veyra
