#include "ui/bitmap.h"

#include <algorithm>
#include <memory>

#include "base/error.h"
#include "ui/blend.h"
#include "ui/stb.h"

namespace veyra::ui {

Pixel Premultiply(std::uint32_t argb) {
  return ScalePixel(argb | 0xFF000000u, argb >> 24);
}

Bitmap::Bitmap(int width, int height)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      pixels_(static_cast<std::size_t>(width_) * height_, 0) {}

void Bitmap::Fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

Bitmap Bitmap::FromPng(std::span<const std::uint8_t> png) {
  int width = 0;
  int height = 0;
  int channels = 0;
  const std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> rgba(
      stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width, &height, &channels,
                            4),
      &stbi_image_free);
  if (!rgba) throw Error(std::string("Cannot decode a PNG image: ") + stbi_failure_reason());
  Bitmap bitmap(width, height);
  const stbi_uc* in = rgba.get();
  for (Pixel& p : bitmap.pixels_) {
    p = Premultiply(std::uint32_t{in[3]} << 24 | std::uint32_t{in[0]} << 16 |
                    std::uint32_t{in[1]} << 8 | in[2]);
    in += 4;
  }
  return bitmap;
}

}  // namespace veyra::ui
