#include "ui/skin/window_drag.h"

namespace veyra::skin {

void WindowDrag::Press(ui::PointF pointer) {
  canDrag_ = true;
  x_ = static_cast<int>(pointer.x);
  y_ = static_cast<int>(pointer.y);
}

void WindowDrag::Move(ui::PointF pointer) {
  if (!canDrag_) return;
  ui::Point at = window_.Position();
  at.x = at.x - x_ + static_cast<int>(pointer.x);
  at.y = at.y - y_ + static_cast<int>(pointer.y);
  window_.MoveTo(at);
}

}  // namespace veyra::skin
