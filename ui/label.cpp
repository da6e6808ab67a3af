#include "ui/label.h"

#include <cmath>

#include "base/utf8.h"
#include "ui/blend.h"
#include "ui/text_layout.h"

namespace veyra::ui {

Label::Label(RectF rect, TextStyle style)
    : Component(rect),
      style_(std::move(style)),
      rendered_(static_cast<int>(std::lround(rect.width)),
                static_cast<int>(std::lround(rect.height))) {}

void Label::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  rendered_.Fill(0);
  if (style_.font) {
    const float pixelSize = Font::PixelsForPoints(style_.points);
    const Pixel colour = Premultiply(style_.colour);
    for (const PlacedGlyph& g : LayOutCentred(*style_.font, pixelSize, DecodeUtf8(text_),
                                              rendered_.width(), rendered_.height())) {
      const float penColumn = std::floor(g.penX);
      const GlyphMask mask = style_.font->Rasterise(g.character, pixelSize, g.penX - penColumn);
      BlendMask(rendered_, mask.coverage.data(), mask.width, mask.height,
                {static_cast<int>(penColumn) + mask.left, g.baseline + mask.top}, colour);
    }
  }
  Changed();
}

void Label::Draw(const Canvas& canvas) const {
  BlendBitmap(canvas, rendered_,
              {static_cast<int>(std::lround(rect().left)), static_cast<int>(std::lround(rect().top))},
              255);
}

}  // namespace veyra::ui
