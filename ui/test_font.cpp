#include "ui/test_font.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "base/error.h"

namespace veyra::ui {

std::shared_ptr<const Font> LoadTestFont() {
  static const std::shared_ptr<const Font> font = [] {
    const char* path = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    std::ifstream file(path, std::ios::binary);
    if (!file) throw Error(std::string("Cannot open ") + path);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    return Font::FromTrueType(bytes);
  }();
  return font;
}

}  // namespace veyra::ui
