// How the reader compares names: element names as the system compares text without regard to
// letter case, attribute names by the ASCII letters A to Z only.
#pragma once

#include <cstddef>
#include <string_view>

#include "services/xml/document.h"

namespace veyra::xml {

bool ElementNamesEqual(std::string_view a, std::string_view b, Charset charset);

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
    if (x != y) return false;
  }
  return true;
}

inline bool AttributeNamesEqual(std::string_view a, std::string_view b) {
  return EqualIgnoringAsciiCase(a, b);
}

}  // namespace veyra::xml
