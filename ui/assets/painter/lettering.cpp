#include "ui/assets/painter/lettering.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

#define STB_TRUETYPE_IMPLEMENTATION
#include "stb/stb_truetype.h"

namespace veyra::painter {

struct Lettering::Font {
  std::vector<unsigned char> bytes;
  stbtt_fontinfo info{};
};

Lettering::Lettering(const std::string& fontPath) : font_(std::make_unique<Font>()) {
  std::ifstream in(fontPath, std::ios::binary);
  font_->bytes.assign(std::istreambuf_iterator<char>(in), {});
  if (font_->bytes.empty() || !stbtt_InitFont(&font_->info, font_->bytes.data(), 0))
    throw std::runtime_error("cannot read the font " + fontPath);
}

Lettering::~Lettering() = default;

Mask Lettering::Render(const std::string& text, float pixelHeight, float letterSpacing) const {
  const stbtt_fontinfo& info = font_->info;
  float scale = stbtt_ScaleForPixelHeight(&info, pixelHeight);
  int ascent, descent, lineGap;
  stbtt_GetFontVMetrics(&info, &ascent, &descent, &lineGap);

  // First pass: the pen positions, which give the width.
  std::vector<float> pens;
  float pen = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    pens.push_back(pen);
    int advance, bearing;
    stbtt_GetCodepointHMetrics(&info, text[i], &advance, &bearing);
    pen += advance * scale + letterSpacing;
    if (i + 1 < text.size())
      pen += scale * stbtt_GetCodepointKernAdvance(&info, text[i], text[i + 1]);
  }
  Mask mask;
  mask.width = static_cast<int>(std::ceil(pen - letterSpacing)) + 2;
  mask.height = static_cast<int>(std::ceil((ascent - descent) * scale)) + 2;
  mask.values.assign(static_cast<size_t>(mask.width) * mask.height, 0.0f);
  float baseline = 1 + ascent * scale;

  for (size_t i = 0; i < text.size(); ++i) {
    float x = 1 + pens[i];
    float shift = x - std::floor(x);
    int x0, y0, x1, y1;
    stbtt_GetCodepointBitmapBoxSubpixel(&info, text[i], scale, scale, shift, 0, &x0, &y0, &x1, &y1);
    int w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0) continue;
    std::vector<unsigned char> glyph(static_cast<size_t>(w) * h);
    stbtt_MakeCodepointBitmapSubpixel(&info, glyph.data(), w, h, w, scale, scale, shift, 0,
                                      text[i]);
    int left = static_cast<int>(std::floor(x)) + x0;
    int top = static_cast<int>(std::lround(baseline)) + y0;
    for (int gy = 0; gy < h; ++gy)
      for (int gx = 0; gx < w; ++gx) {
        int mx = left + gx, my = top + gy;
        if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) continue;
        float& v = mask.values[my * mask.width + mx];
        v = std::max(v, glyph[gy * w + gx] / 255.0f);
      }
  }
  return mask;
}

namespace {

Mask BoxBlurOnce(const Mask& in, int radius) {
  Mask wide{in.width + 2 * radius, in.height + 2 * radius, {}};
  wide.values.assign(static_cast<size_t>(wide.width) * wide.height, 0.0f);
  float norm = 1.0f / ((2 * radius + 1) * (2 * radius + 1));
  for (int y = 0; y < wide.height; ++y)
    for (int x = 0; x < wide.width; ++x) {
      float sum = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) sum += in.At(x - radius + dx, y - radius + dy);
      wide.values[y * wide.width + x] = sum * norm;
    }
  return wide;
}

}  // namespace

Mask Blur(const Mask& mask, int radius) {
  return BoxBlurOnce(BoxBlurOnce(BoxBlurOnce(mask, radius), radius), radius);
}

}  // namespace veyra::painter
