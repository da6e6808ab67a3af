// The small round close and minimise buttons at the top right.
#include <algorithm>
#include <cmath>

#include "ui/assets/painter/pictures.h"
#include "ui/assets/painter/shapes.h"

namespace veyra::painter {
namespace {

constexpr float kCentre = 22.5f, kBezel = 19, kFace = 16;

float SegmentDistance(float x, float y, float ax, float ay, float bx, float by, float halfWidth) {
  float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
  float t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
  return std::hypot(px - dx * t, py - dy * t) - halfWidth;
}

float GlyphDistance(Glyph glyph, float x, float y) {
  constexpr float a = 6.5f;
  if (glyph == Glyph::Close)
    return std::min(
        SegmentDistance(x, y, kCentre - a, kCentre - a, kCentre + a, kCentre + a, 1.6f),
        SegmentDistance(x, y, kCentre - a, kCentre + a, kCentre + a, kCentre - a, 1.6f));
  return SegmentDistance(x, y, kCentre - 7, kCentre + 4, kCentre + 7, kCentre + 4, 1.7f);
}

}  // namespace

Canvas PaintGlyphButton(Glyph glyph, bool highlighted) {
  Canvas canvas(45, 45);
  const Rgba accent = glyph == Glyph::Close ? Hex(0xff4a32) : Hex(0xffc45a);

  canvas.Fill(
      [](float x, float y) {
        return 0.5f * Coverage(CircleDistance(x, y, kCentre, kCentre + 1.5f, kBezel + 1), 3);
      },
      [](float, float) { return Hex(0); });
  canvas.Fill(
      [](float x, float y) { return Coverage(CircleDistance(x, y, kCentre, kCentre, kBezel)); },
      [](float x, float y) {
        float light = 0.5f + 0.5f * std::cos(std::atan2(y - kCentre, x - kCentre) + 2.3f);
        return Mix(Hex(0x3a2812), Hex(0xe8c880), light);
      });
  canvas.Fill(
      [](float x, float y) { return Coverage(CircleDistance(x, y, kCentre, kCentre, kFace)); },
      [&](float x, float y) {
        float r = std::hypot(x - kCentre, y - kCentre - 4) / kFace;
        Rgba face = highlighted ? Mix(Scale(accent, 0.55f), Hex(0x160806), r)
                                : Mix(Hex(0x262b36), Hex(0x0c0e12), r);
        return face;
      });
  if (highlighted)
    canvas.Fill(
        [&](float x, float y) { return 0.9f * Coverage(GlyphDistance(glyph, x, y) - 2.5f, 4); },
        [&](float, float) { return accent; });
  canvas.Fill([&](float x, float y) { return Coverage(GlyphDistance(glyph, x, y)); },
              [&](float, float) { return highlighted ? Hex(0xffffff) : Hex(0xa4a8b0); });
  return canvas;
}

}  // namespace veyra::painter
