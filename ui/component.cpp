#include "ui/component.h"

#include "ui/scene.h"

namespace veyra::ui {

void Component::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (scene_ != nullptr) scene_->MarkChanged();
}

void Component::Changed() {
  // A hidden component's changes show only when it is shown again, which marks the scene then.
  if (scene_ != nullptr && visible_) scene_->MarkChanged();
}

void Component::SetRect(RectF rect) {
  rect_ = rect;
  Changed();
}

}  // namespace veyra::ui
