// Text for the art: words rasterised from a TrueType font into coverage masks that are then
// painted, blurred for glows, and placed centred on a point.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/assets/painter/canvas.h"

namespace veyra::painter {

// Coverage 0..1 per pixel.
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<float> values;
  float At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return values[y * width + x];
  }
};

// Spreads a mask by a box blur of the given radius, run three times (close to a Gaussian); the
// result is larger by radius * 3 on every side.
Mask Blur(const Mask& mask, int radius);

class Lettering {
 public:
  explicit Lettering(const std::string& fontPath);
  Lettering(const Lettering&) = delete;
  Lettering& operator=(const Lettering&) = delete;
  ~Lettering();

  // The word (ASCII) at the given pixel height, with letter spacing added between letters.
  Mask Render(const std::string& text, float pixelHeight, float letterSpacing = 0) const;

 private:
  struct Font;
  std::unique_ptr<Font> font_;
};

// Paints mask over the canvas so that its centre lands on (cx, cy), with paint(x, y) giving the
// colour at each canvas pixel.
template <typename PaintFn>
void DrawCentred(Canvas& canvas, const Mask& mask, float cx, float cy, PaintFn paint) {
  int left = static_cast<int>(std::lround(cx - mask.width / 2.0f));
  int top = static_cast<int>(std::lround(cy - mask.height / 2.0f));
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) {
      float c = mask.At(x, y);
      if (c > 0) canvas.Blend(left + x, top + y, paint(left + x + 0.5f, top + y + 0.5f), c);
    }
}

}  // namespace veyra::painter
