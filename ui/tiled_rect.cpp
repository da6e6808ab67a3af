#include "ui/tiled_rect.h"

#include <algorithm>
#include <cmath>

#include "ui/blend.h"

namespace veyra::ui {

TiledRect::TiledRect(RectF rect, std::shared_ptr<const Bitmap> tile)
    : Component(rect), tile_(std::move(tile)) {}

void TiledRect::SetHeight(float height) {
  RectF r = rect();
  r.height = std::max(height, 0.0f);
  if (r.height != rect().height) SetRect(r);
}

void TiledRect::Draw(const Canvas& canvas) const {
  if (!tile_ || tile_->empty()) return;
  const RectF r = rect();
  const int left = static_cast<int>(std::lround(r.left));
  const int top = static_cast<int>(std::lround(r.top));
  const int width = static_cast<int>(std::lround(r.width));
  const int wholeRows = static_cast<int>(std::floor(r.height));
  const float partialRow = r.height - wholeRows;

  // Rows [first, first + count) of the rectangle, tiled, at one alpha.
  const auto drawRows = [&](int first, int count, std::uint32_t alpha) {
    for (int y = first; y < first + count;) {
      const int tileY = y % tile_->height();
      const int rows = std::min(tile_->height() - tileY, first + count - y);
      for (int x = 0; x < width; x += tile_->width()) {
        const int columns = std::min(tile_->width(), width - x);
        BlendRegion(canvas, *tile_, {0, tileY, columns, rows}, {left + x, top + y}, alpha);
      }
      y += rows;
    }
  };
  drawRows(0, wholeRows, 255);
  if (partialRow > 0) drawRows(wholeRows, 1, OpacityToAlpha(partialRow));
}

}  // namespace veyra::ui
