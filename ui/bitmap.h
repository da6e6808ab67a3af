// A picture in memory: 32-bit pixels, premultiplied alpha, 0xAARRGGBB in native byte order
// (so a little-endian machine stores B, G, R, A, as Win32 DIBs and X11 ARGB visuals expect).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace veyra::ui {

// A pixel: premultiplied ARGB (each colour channel is at most the alpha).
using Pixel = std::uint32_t;

// Premultiplies a straight (non-premultiplied) 0xAARRGGBB colour.
Pixel Premultiply(std::uint32_t argb);

class Bitmap {
 public:
  Bitmap() = default;
  // A fully transparent bitmap of the given size.
  Bitmap(int width, int height);

  // Decodes a PNG file held in memory. Throws veyra::Error when the bytes are not a PNG image.
  static Bitmap FromPng(std::span<const std::uint8_t> png);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return pixels_.empty(); }

  Pixel* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Pixel* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Pixel At(int x, int y) const { return Row(y)[x]; }
  void Set(int x, int y, Pixel p) { Row(y)[x] = p; }
  std::span<Pixel> pixels() { return pixels_; }
  std::span<const Pixel> pixels() const { return pixels_; }

  // Every pixel becomes p.
  void Fill(Pixel p);

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace veyra::ui
