#include "ui/blend.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace veyra::ui {

namespace {

// The part of a width x height source placed at `at` that falls inside dst.
struct Clip {
  int srcX, srcY, dstX, dstY, width, height;
};

Clip ClipTo(const Canvas& dst, int width, int height, Point at) {
  Clip c;
  c.srcX = std::max(0, -at.x);
  c.srcY = std::max(0, dst.firstRow - at.y);
  c.dstX = at.x + c.srcX;
  c.dstY = at.y + c.srcY;
  c.width = std::max(0, std::min(width - c.srcX, dst.frame.width() - c.dstX));
  c.height = std::max(0, std::min(height - c.srcY, dst.endRow - c.dstY));
  return c;
}

// Four pixels as sixteen bytes, and two pixels as eight 16-bit channels, so that one vector
// operation works on all of them. With SSE2 these are single instructions.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));
using Channels16 = std::uint16_t __attribute__((vector_size(16)));

// x / 255, rounded, for x <= 255 * 255 (the same rounding as ScalePixel).
inline Channels16 Div255(Channels16 x) {
  const Channels16 t = x + 128;
  return (t + (t >> 8)) >> 8;
}

inline Channels16 LowPixels(Bytes16 v) {
  const Bytes16 zero{};
  return reinterpret_cast<Channels16>(__builtin_shufflevector(
      v, zero, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23));
}

inline Channels16 HighPixels(Bytes16 v) {
  const Bytes16 zero{};
  return reinterpret_cast<Channels16>(__builtin_shufflevector(
      v, zero, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31));
}

// Two source pixels, scaled by alpha when kScaled, over two destination pixels.
template <bool kScaled>
inline Channels16 BlendTwo(Channels16 s, Channels16 d, std::uint16_t alpha) {
  if constexpr (kScaled) s = Div255(s * alpha);
  const Channels16 sourceAlpha = __builtin_shufflevector(s, s, 3, 3, 3, 3, 7, 7, 7, 7);
  return s + Div255(d * (255 - sourceAlpha));
}

// Branch-free, because skins mix transparent, soft and opaque pixels without pattern.
template <bool kScaled>
void BlendRow(Pixel* dst, const Pixel* src, int n, std::uint32_t alpha) {
  const auto a = static_cast<std::uint16_t>(alpha);
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    Bytes16 s;
    Bytes16 d;
    std::memcpy(&s, src + i, sizeof s);
    std::memcpy(&d, dst + i, sizeof d);
    const auto low = reinterpret_cast<Bytes16>(BlendTwo<kScaled>(LowPixels(s), LowPixels(d), a));
    const auto high =
        reinterpret_cast<Bytes16>(BlendTwo<kScaled>(HighPixels(s), HighPixels(d), a));
    // Every channel is at most 255, so its low byte is all of it.
    const Bytes16 out = __builtin_shufflevector(low, high, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20,
                                                22, 24, 26, 28, 30);
    std::memcpy(dst + i, &out, sizeof out);
  }
  for (; i < n; ++i) dst[i] = Over(ScalePixel(src[i], alpha), dst[i]);
}

}  // namespace

std::uint32_t OpacityToAlpha(float opacity) {
  return static_cast<std::uint32_t>(std::lround(std::clamp(opacity, 0.0f, 1.0f) * 255.0f));
}

void BlendBitmap(const Canvas& dst, const Bitmap& src, Point at, std::uint32_t alpha) {
  BlendRegion(dst, src, {0, 0, src.width(), src.height()}, at, alpha);
}

void BlendRegion(const Canvas& dst, const Bitmap& src, PixelRect from, Point at,
                 std::uint32_t alpha) {
  if (alpha == 0) return;
  const Clip c = ClipTo(dst, from.width, from.height, at);
  for (int y = 0; y < c.height; ++y) {
    Pixel* d = dst.frame.Row(c.dstY + y) + c.dstX;
    const Pixel* s = src.Row(from.y + c.srcY + y) + from.x + c.srcX;
    if (alpha == 255) {
      BlendRow<false>(d, s, c.width, alpha);
    } else {
      BlendRow<true>(d, s, c.width, alpha);
    }
  }
}

void BlendMask(Bitmap& dst, const std::uint8_t* mask, int width, int height, Point at,
               Pixel colour) {
  const Clip c = ClipTo(Canvas::Whole(dst), width, height, at);
  for (int y = 0; y < c.height; ++y) {
    Pixel* d = dst.Row(c.dstY + y) + c.dstX;
    const std::uint8_t* m = mask + static_cast<std::size_t>(c.srcY + y) * width + c.srcX;
    for (int x = 0; x < c.width; ++x) {
      if (m[x] != 0) d[x] = Over(ScalePixel(colour, m[x]), d[x]);
    }
  }
}

}  // namespace veyra::ui
