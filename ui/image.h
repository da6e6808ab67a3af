// A bitmap drawn 1:1 at the rectangle's top-left corner with an opacity 0..1. An image without a
// bitmap draws nothing and still takes pointer input over its rectangle.
#pragma once

#include <memory>

#include "ui/component.h"

namespace veyra::ui {

class Image : public Component {
 public:
  // bitmap may be null (a hit area). Images may share one bitmap.
  Image(RectF rect, std::shared_ptr<const Bitmap> bitmap, float opacity = 1.0f);

  float opacity() const { return opacity_; }
  // Values outside 0..1 are clamped.
  void SetOpacity(float opacity);

  void Draw(const Canvas& canvas) const override;

 private:
  std::shared_ptr<const Bitmap> bitmap_;
  float opacity_;
};

}  // namespace veyra::ui
