// Dragging the borderless window by its background picture: a press anchors the pressed client
// point, every move while pressed puts the window so that this point stays under the pointer, and
// the release ends the drag. Pointer positions are truncated toward zero to whole pixels.
#pragma once

#include "ui/geometry.h"
#include "ui/window.h"

namespace veyra::skin {

class WindowDrag {
 public:
  explicit WindowDrag(ui::Window& window) : window_(window) {}

  void Press(ui::PointF pointer);
  void Move(ui::PointF pointer);
  void Release() { canDrag_ = false; }

  bool canDrag() const { return canDrag_; }
  ui::Point anchor() const { return {x_, y_}; }

 private:
  ui::Window& window_;
  bool canDrag_ = false;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace veyra::skin
