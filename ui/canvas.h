// Where components draw: a frame and the band of its rows that this pass may touch. The scene
// composes a frame band by band, so that the rows being drawn stay in the processor's cache.
#pragma once

#include "ui/bitmap.h"

namespace veyra::ui {

struct Canvas {
  Bitmap& frame;
  int firstRow;  // the band is [firstRow, endRow)
  int endRow;

  static Canvas Whole(Bitmap& frame) { return {frame, 0, frame.height()}; }
};

}  // namespace veyra::ui
