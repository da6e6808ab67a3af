// Places the characters of a text in a box: lines broken at blanks and "\n" so that they fit
// the width where a word allows, each line centred, the block centred vertically.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/font.h"

namespace veyra::ui {

struct PlacedGlyph {
  char32_t character;
  float penX;    // from the box's left edge
  int baseline;  // from the box's top edge, in whole rows
};

// The glyphs to draw, in order. Blanks at line breaks are dropped; a word wider than the box
// stands alone on its line and overflows both sides equally.
std::vector<PlacedGlyph> LayOutCentred(const Font& font, float pixelSize, std::u32string_view text,
                                       int boxWidth, int boxHeight);

}  // namespace veyra::ui
