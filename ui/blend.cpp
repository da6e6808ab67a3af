#include "ui/blend.h"

#include <algorithm>
#include <cmath>

namespace veyra::ui {

namespace {

// The part of a width x height source placed at `at` that falls inside dst.
struct Clip {
  int srcX, srcY, dstX, dstY, width, height;
};

Clip ClipTo(const Bitmap& dst, int width, int height, Point at) {
  Clip c;
  c.srcX = std::max(0, -at.x);
  c.srcY = std::max(0, -at.y);
  c.dstX = at.x + c.srcX;
  c.dstY = at.y + c.srcY;
  c.width = std::max(0, std::min(width - c.srcX, dst.width() - c.dstX));
  c.height = std::max(0, std::min(height - c.srcY, dst.height() - c.dstY));
  return c;
}

void BlendRowOpaque(Pixel* dst, const Pixel* src, int n) {
  for (int i = 0; i < n; ++i) {
    const Pixel s = src[i];
    const std::uint32_t a = s >> 24;
    if (a == 255) {
      dst[i] = s;
    } else if (a != 0) {
      dst[i] = Over(s, dst[i]);
    }
  }
}

void BlendRowScaled(Pixel* dst, const Pixel* src, int n, std::uint32_t alpha) {
  for (int i = 0; i < n; ++i) {
    if (src[i] != 0) dst[i] = Over(ScalePixel(src[i], alpha), dst[i]);
  }
}

}  // namespace

std::uint32_t OpacityToAlpha(float opacity) {
  return static_cast<std::uint32_t>(std::lround(std::clamp(opacity, 0.0f, 1.0f) * 255.0f));
}

void BlendBitmap(Bitmap& dst, const Bitmap& src, Point at, std::uint32_t alpha) {
  BlendRegion(dst, src, {0, 0, src.width(), src.height()}, at, alpha);
}

void BlendRegion(Bitmap& dst, const Bitmap& src, PixelRect from, Point at, std::uint32_t alpha) {
  if (alpha == 0) return;
  const Clip c = ClipTo(dst, from.width, from.height, at);
  for (int y = 0; y < c.height; ++y) {
    Pixel* d = dst.Row(c.dstY + y) + c.dstX;
    const Pixel* s = src.Row(from.y + c.srcY + y) + from.x + c.srcX;
    if (alpha == 255) {
      BlendRowOpaque(d, s, c.width);
    } else {
      BlendRowScaled(d, s, c.width, alpha);
    }
  }
}

void BlendMask(Bitmap& dst, const std::uint8_t* mask, int width, int height, Point at,
               Pixel colour) {
  const Clip c = ClipTo(dst, width, height, at);
  for (int y = 0; y < c.height; ++y) {
    Pixel* d = dst.Row(c.dstY + y) + c.dstX;
    const std::uint8_t* m = mask + static_cast<std::size_t>(c.srcY + y) * width + c.srcX;
    for (int x = 0; x < c.width; ++x) {
      if (m[x] != 0) d[x] = Over(ScalePixel(colour, m[x]), d[x]);
    }
  }
}

}  // namespace veyra::ui
