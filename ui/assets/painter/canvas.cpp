#include "ui/assets/painter/canvas.h"

#include <cstdint>
#include <stdexcept>

#include "stb/stb_image_write.h"

namespace veyra::painter {

Rgba Mix(Rgba from, Rgba to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

Rgba Scale(Rgba colour, float factor) {
  return {Clamp01(colour.r * factor), Clamp01(colour.g * factor), Clamp01(colour.b * factor),
          colour.a};
}

Rgba Hex(unsigned rgb, float alpha) {
  return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f,
          alpha};
}

Rgba Grey(Rgba colour) {
  float luma = 0.3f * colour.r + 0.59f * colour.g + 0.11f * colour.b;
  return {luma, luma, luma, colour.a};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * 4, 0.0f) {}

void Canvas::Blend(int x, int y, Rgba colour, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  float a = Clamp01(colour.a * coverage);
  float* p = &pixels_[(y * width_ + x) * 4];
  p[0] = colour.r * a + p[0] * (1 - a);
  p[1] = colour.g * a + p[1] * (1 - a);
  p[2] = colour.b * a + p[2] * (1 - a);
  p[3] = a + p[3] * (1 - a);
}

void Canvas::CopyFrom(const Canvas& source, int sourceX, int sourceY) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      for (int i = 0; i < 4; ++i)
        pixels_[(y * width_ + x) * 4 + i] =
            source.pixels_[((y + sourceY) * source.width_ + x + sourceX) * 4 + i];
}

void Canvas::Draw(const Canvas& source, int atX, int atY) {
  for (int y = 0; y < source.height_; ++y)
    for (int x = 0; x < source.width_; ++x) {
      int tx = atX + x, ty = atY + y;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      const float* s = &source.pixels_[(y * source.width_ + x) * 4];
      float* p = &pixels_[(ty * width_ + tx) * 4];
      for (int i = 0; i < 4; ++i) p[i] = s[i] + p[i] * (1 - s[3]);
    }
}

void Canvas::WritePng(const std::string& path) const {
  std::vector<std::uint8_t> bytes(pixels_.size());
  for (size_t i = 0; i < pixels_.size(); i += 4) {
    float a = pixels_[i + 3];
    for (int c = 0; c < 3; ++c) {
      float straight = a > 0 ? pixels_[i + c] / a : 0;
      bytes[i + c] = static_cast<std::uint8_t>(std::lround(Clamp01(straight) * 255));
    }
    bytes[i + 3] = static_cast<std::uint8_t>(std::lround(Clamp01(a) * 255));
  }
  if (!stbi_write_png(path.c_str(), width_, height_, 4, bytes.data(), width_ * 4))
    throw std::runtime_error("cannot write " + path);
}

}  // namespace veyra::painter
