// A TrueType font held in memory and rasterised with stb_truetype. One Font is one face: a bold
// label uses a bold font file.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace veyra::ui {

// The coverage of one glyph, 0..255 per pixel, placed relative to the pen on the baseline.
struct GlyphMask {
  int width = 0;
  int height = 0;
  int left = 0;  // from the pen position to the mask's left column
  int top = 0;   // from the baseline to the mask's top row (negative: above the baseline)
  std::vector<std::uint8_t> coverage;
};

// Vertical measures of a font at one pixel size.
struct LineMetrics {
  float ascent = 0;   // above the baseline, positive
  float descent = 0;  // below the baseline, positive
  float lineGap = 0;
};

class Font {
 public:
  // Keeps a copy of the bytes. Throws veyra::Error when they hold no usable TrueType font.
  static std::shared_ptr<const Font> FromTrueType(std::span<const std::uint8_t> ttf);

  struct Face;
  // Only FromTrueType can make the key.
  class Key {
    friend class Font;
    Key() = default;
  };
  Font(Key, std::unique_ptr<Face> face);
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  ~Font();

  // The pixel size of a font size in points on a 96 dots-per-inch screen (12 points = 16 px).
  static float PixelsForPoints(float points) { return points * 96.0f / 72.0f; }

  LineMetrics Metrics(float pixelSize) const;
  // How far the pen moves after the character, kerning with the next one included
  // (next = 0 when the character ends the line).
  float Advance(char32_t character, char32_t next, float pixelSize) const;
  // The glyph's coverage with the pen at a fractional X offset 0 <= shiftX < 1.
  GlyphMask Rasterise(char32_t character, float pixelSize, float shiftX) const;

 private:
  std::unique_ptr<Face> face_;
};

}  // namespace veyra::ui
