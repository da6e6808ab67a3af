// An RGBA picture in floating point with premultiplied alpha, the surface every skin image is
// painted on before it is written as a PNG.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace veyra::painter {

// A colour with straight (not premultiplied) alpha, channels 0..1.
struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

Rgba Mix(Rgba from, Rgba to, float t);
Rgba Scale(Rgba colour, float factor);  // brightness, alpha kept
Rgba Hex(unsigned rgb, float alpha = 1);
Rgba Grey(Rgba colour);  // same brightness, no hue

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float SmoothStep(float edge0, float edge1, float v) {
  float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}
// Coverage of a pixel by a shape whose signed distance (negative inside) at its centre is d.
inline float Coverage(float d, float softness = 1) { return Clamp01(0.5f - d / softness); }

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Paints colour over the pixel with the given coverage (source over).
  void Blend(int x, int y, Rgba colour, float coverage);
  // Paints every pixel: coverage(x, y) says how much of paint(x, y) lands there; both are called
  // with the pixel centre.
  template <typename CoverageFn, typename PaintFn>
  void Fill(CoverageFn coverage, PaintFn paint) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        float px = x + 0.5f, py = y + 0.5f;
        float c = coverage(px, py);
        if (c > 0) Blend(x, y, paint(px, py), c);
      }
  }
  // Multiplies every pixel by factor(x, y), used to cut the outline out of finished art.
  template <typename FactorFn>
  void MultiplyAlpha(FactorFn factor) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        float f = Clamp01(factor(x + 0.5f, y + 0.5f));
        float* p = &pixels_[(y * width_ + x) * 4];
        for (int i = 0; i < 4; ++i) p[i] *= f;
      }
  }
  // Copies a region of another canvas here, replacing what was there.
  void CopyFrom(const Canvas& source, int sourceX, int sourceY);
  void Draw(const Canvas& source, int x, int y);  // source over

  float AlphaAt(int x, int y) const { return pixels_[(y * width_ + x) * 4 + 3]; }
  void WritePng(const std::string& path) const;

 private:
  int width_;
  int height_;
  std::vector<float> pixels_;  // premultiplied r, g, b, a
};

}  // namespace veyra::painter
