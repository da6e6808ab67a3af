#include "ui/font.h"

#include <cmath>
#include <vector>

#include "base/error.h"
#include "ui/stb.h"

namespace veyra::ui {

struct Font::Face {
  std::vector<std::uint8_t> bytes;
  stbtt_fontinfo info{};

  // stb_truetype's scale for a size given as the em height, as points are.
  float Scale(float pixelSize) const { return stbtt_ScaleForMappingEmToPixels(&info, pixelSize); }
};

std::shared_ptr<const Font> Font::FromTrueType(std::span<const std::uint8_t> ttf) {
  auto face = std::make_unique<Face>();
  face->bytes.assign(ttf.begin(), ttf.end());
  const int offset = stbtt_GetFontOffsetForIndex(face->bytes.data(), 0);
  if (ttf.size() < 12 || offset < 0 || !stbtt_InitFont(&face->info, face->bytes.data(), offset)) {
    throw Error("Cannot read a TrueType font.");
  }
  return std::make_shared<const Font>(Key(), std::move(face));
}

Font::Font(Key, std::unique_ptr<Face> face) : face_(std::move(face)) {}
Font::~Font() = default;

LineMetrics Font::Metrics(float pixelSize) const {
  int ascent = 0;
  int descent = 0;
  int lineGap = 0;
  stbtt_GetFontVMetrics(&face_->info, &ascent, &descent, &lineGap);
  const float scale = face_->Scale(pixelSize);
  return {ascent * scale, -descent * scale, lineGap * scale};
}

float Font::Advance(char32_t character, char32_t next, float pixelSize) const {
  int advance = 0;
  int leftBearing = 0;
  stbtt_GetCodepointHMetrics(&face_->info, static_cast<int>(character), &advance, &leftBearing);
  if (next != 0) {
    advance += stbtt_GetCodepointKernAdvance(&face_->info, static_cast<int>(character),
                                             static_cast<int>(next));
  }
  return advance * face_->Scale(pixelSize);
}

GlyphMask Font::Rasterise(char32_t character, float pixelSize, float shiftX) const {
  const float scale = face_->Scale(pixelSize);
  const int codepoint = static_cast<int>(character);
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
  stbtt_GetCodepointBitmapBoxSubpixel(&face_->info, codepoint, scale, scale, shiftX, 0, &x0, &y0,
                                      &x1, &y1);
  GlyphMask mask;
  mask.left = x0;
  mask.top = y0;
  mask.width = x1 - x0;
  mask.height = y1 - y0;
  if (mask.width <= 0 || mask.height <= 0) return GlyphMask{};
  mask.coverage.resize(static_cast<std::size_t>(mask.width) * mask.height);
  stbtt_MakeCodepointBitmapSubpixel(&face_->info, mask.coverage.data(), mask.width, mask.height,
                                    mask.width, scale, scale, shiftX, 0, codepoint);
  return mask;
}

}  // namespace veyra::ui
