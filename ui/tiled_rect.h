// A rectangle filled with a bitmap repeated from its top-left corner. Its height may change and
// may be fractional: the last, partly covered row is drawn with that fraction of its alpha.
#pragma once

#include <memory>

#include "ui/component.h"

namespace veyra::ui {

class TiledRect : public Component {
 public:
  TiledRect(RectF rect, std::shared_ptr<const Bitmap> tile);

  float height() const { return rect().height; }
  // The top edge stays; heights below 0 are taken as 0.
  void SetHeight(float height);

  void Draw(const Canvas& canvas) const override;

 private:
  std::shared_ptr<const Bitmap> tile_;
};

}  // namespace veyra::ui
