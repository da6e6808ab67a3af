#include "ui/text_layout.h"

#include <gtest/gtest.h>

#include "ui/test_font.h"

namespace veyra::ui {
namespace {

// The lines a layout produced, as text, one entry per baseline.
std::vector<std::u32string> Lines(const std::vector<PlacedGlyph>& glyphs) {
  std::vector<std::u32string> lines;
  int baseline = -1'000'000;
  for (const PlacedGlyph& g : glyphs) {
    if (g.baseline != baseline) lines.emplace_back();
    baseline = g.baseline;
    lines.back() += g.character;
  }
  return lines;
}

TEST(LayOutCentredTest, OneLineIsCentredBothWays) {
  const auto font = LoadTestFont();
  const float size = 16;
  const auto glyphs = LayOutCentred(*font, size, U"Start", 320, 24);
  ASSERT_EQ(glyphs.size(), 5u);
  float width = 0;
  for (char32_t c : std::u32string_view(U"Start")) width += font->Advance(c, 0, size);
  EXPECT_NEAR(glyphs.front().penX, (320 - width) / 2, 1.0);
  const LineMetrics m = font->Metrics(size);
  EXPECT_NEAR(glyphs.front().baseline, (24 - m.ascent - m.descent) / 2 + m.ascent, 0.5);
}

TEST(LayOutCentredTest, WrapsAtBlanksAndKeepsLongWordsWhole) {
  const auto font = LoadTestFont();
  EXPECT_EQ(Lines(LayOutCentred(*font, 16, U"one two three", 80, 100)),
            (std::vector<std::u32string>{U"one two", U"three"}));
  EXPECT_EQ(Lines(LayOutCentred(*font, 16, U"  unbreakableword  x", 40, 100)),
            (std::vector<std::u32string>{U"unbreakableword", U"x"}));
  EXPECT_EQ(Lines(LayOutCentred(*font, 16, U"a\nb", 300, 100)),
            (std::vector<std::u32string>{U"a", U"b"}));
}

TEST(LayOutCentredTest, WrappedBlockIsCentredVertically) {
  const auto font = LoadTestFont();
  const auto glyphs = LayOutCentred(*font, 16, U"one two three", 80, 100);
  const LineMetrics m = font->Metrics(16);
  const float block = 2 * (m.ascent + m.descent) + m.lineGap;
  EXPECT_NEAR(glyphs.front().baseline, (100 - block) / 2 + m.ascent, 0.5);
  EXPECT_NEAR(glyphs.back().baseline - glyphs.front().baseline,
              m.ascent + m.descent + m.lineGap, 0.5);
}

}  // namespace
}  // namespace veyra::ui
