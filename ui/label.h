// A line of text centred both ways in its rectangle, wrapped at word boundaries when it is wider.
// A label never takes pointer input: a press on it reaches what lies below.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ui/component.h"
#include "ui/font.h"

namespace veyra::ui {

struct TextStyle {
  std::shared_ptr<const Font> font;  // bold text: a bold font
  float points = 12;                 // size in points, 96 dots per inch
  std::uint32_t colour = 0xFF000000; // straight (not premultiplied) ARGB
};

class Label : public Component {
 public:
  Label(RectF rect, TextStyle style);

  const std::string& text() const { return text_; }
  // UTF-8; invalid sequences show as U+FFFD. Lines break at blanks and at "\n".
  void SetText(std::string text);

  bool TakesPointerInput() const override { return false; }
  void Draw(const Canvas& canvas) const override;

 private:
  TextStyle style_;
  std::string text_;
  Bitmap rendered_;  // the text at the rectangle's size, redrawn when the text changes
};

}  // namespace veyra::ui
