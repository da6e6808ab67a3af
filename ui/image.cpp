#include "ui/image.h"

#include <algorithm>
#include <cmath>

#include "ui/blend.h"

namespace veyra::ui {

Image::Image(RectF rect, std::shared_ptr<const Bitmap> bitmap, float opacity)
    : Component(rect), bitmap_(std::move(bitmap)), opacity_(std::clamp(opacity, 0.0f, 1.0f)) {}

void Image::SetOpacity(float opacity) {
  opacity = std::clamp(opacity, 0.0f, 1.0f);
  if (opacity == opacity_) return;
  const bool looksDifferent = OpacityToAlpha(opacity) != OpacityToAlpha(opacity_);
  opacity_ = opacity;
  if (looksDifferent && bitmap_) Changed();
}

void Image::Draw(const Canvas& canvas) const {
  if (!bitmap_) return;
  const Point at{static_cast<int>(std::lround(rect().left)),
                 static_cast<int>(std::lround(rect().top))};
  BlendBitmap(canvas, *bitmap_, at, OpacityToAlpha(opacity_));
}

}  // namespace veyra::ui
