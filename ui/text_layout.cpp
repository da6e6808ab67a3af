#include "ui/text_layout.h"

#include <cmath>

namespace veyra::ui {

namespace {

float Measure(const Font& font, float pixelSize, std::u32string_view text) {
  float width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    width += font.Advance(text[i], i + 1 < text.size() ? text[i + 1] : 0, pixelSize);
  }
  return width;
}

std::u32string_view TrimBlanks(std::u32string_view s) {
  while (!s.empty() && s.front() == U' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == U' ') s.remove_suffix(1);
  return s;
}

// Greedy word wrap of one paragraph (no "\n" in it).
void WrapParagraph(const Font& font, float pixelSize, std::u32string_view paragraph,
                   int boxWidth, std::vector<std::u32string_view>& lines) {
  paragraph = TrimBlanks(paragraph);
  std::size_t lineStart = 0;
  std::size_t lineEnd = 0;  // end of the last word that fits, 0 while the line has none
  std::size_t pos = 0;
  while (pos < paragraph.size()) {
    const std::size_t wordEnd = std::min(paragraph.find(U' ', pos), paragraph.size());
    const auto candidate = paragraph.substr(lineStart, wordEnd - lineStart);
    if (lineEnd > lineStart && Measure(font, pixelSize, candidate) > boxWidth) {
      lines.push_back(paragraph.substr(lineStart, lineEnd - lineStart));
      lineStart = pos;
    }
    lineEnd = wordEnd;
    pos = wordEnd;
    while (pos < paragraph.size() && paragraph[pos] == U' ') ++pos;
  }
  lines.push_back(paragraph.substr(lineStart, lineEnd - lineStart));
}

}  // namespace

std::vector<PlacedGlyph> LayOutCentred(const Font& font, float pixelSize, std::u32string_view text,
                                       int boxWidth, int boxHeight) {
  std::vector<std::u32string_view> lines;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find(U'\n', start), text.size());
    auto paragraph = text.substr(start, end - start);
    if (!paragraph.empty() && paragraph.back() == U'\r') paragraph.remove_suffix(1);
    WrapParagraph(font, pixelSize, paragraph, boxWidth, lines);
    start = end + 1;
  }

  const LineMetrics m = font.Metrics(pixelSize);
  const float lineHeight = m.ascent + m.descent + m.lineGap;
  const float blockHeight = lines.size() * lineHeight - m.lineGap;
  const float top = (boxHeight - blockHeight) / 2;

  std::vector<PlacedGlyph> glyphs;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const auto line = lines[n];
    const int baseline = static_cast<int>(std::lround(top + m.ascent + n * lineHeight));
    float pen = (boxWidth - Measure(font, pixelSize, line)) / 2;
    for (std::size_t i = 0; i < line.size(); ++i) {
      glyphs.push_back({line[i], pen, baseline});
      pen += font.Advance(line[i], i + 1 < line.size() ? line[i + 1] : 0, pixelSize);
    }
  }
  return glyphs;
}

}  // namespace veyra::ui
