// The compositor's pixel operations: premultiplied source-over, clipped to the destination.
#pragma once

#include <cstdint>

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/geometry.h"

namespace veyra::ui {

// p with each channel multiplied by alpha / 255, rounded.
inline Pixel ScalePixel(Pixel p, std::uint32_t alpha) {
  std::uint32_t rb = (p & 0x00FF00FFu) * alpha + 0x00800080u;
  rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  std::uint32_t ag = ((p >> 8) & 0x00FF00FFu) * alpha + 0x00800080u;
  ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
  return rb | ag;
}

// src over dst, both premultiplied.
inline Pixel Over(Pixel src, Pixel dst) {
  return src + ScalePixel(dst, 255 - (src >> 24));
}

// An opacity 0..1 as an alpha 0..255.
std::uint32_t OpacityToAlpha(float opacity);

// A rectangle of whole pixels.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Draws the part `from` of src (which must lie inside src) with its top-left corner at `at`,
// scaled by alpha 0..255.
void BlendRegion(const Canvas& dst, const Bitmap& src, PixelRect from, Point at,
                 std::uint32_t alpha);
// Draws all of src with its top-left corner at `at`.
void BlendBitmap(const Canvas& dst, const Bitmap& src, Point at, std::uint32_t alpha);

// Draws one colour through a coverage mask (0..255 per pixel) with its top-left corner at `at`.
void BlendMask(Bitmap& dst, const std::uint8_t* mask, int width, int height, Point at,
               Pixel colour);

}  // namespace veyra::ui
