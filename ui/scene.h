// The components of one window in z-order (the first added is the bottom-most), the pointer
// routing between them and the composition of frames.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "ui/bitmap.h"
#include "ui/component.h"

namespace veyra::ui {

class Scene {
 public:
  Scene(int width, int height);
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  // Adds a component above all others and returns it; the scene owns it for its whole life.
  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto component = std::make_unique<T>(std::forward<Args>(args)...);
    T& added = *component;
    Adopt(std::move(component));
    return added;
  }

  // The topmost visible component that takes pointer input and whose rectangle holds p, whatever
  // its opacity; null when there is none.
  Component* HitTest(PointF p) const;

  // Pointer input in client coordinates, as the window receives it. After a press the pressed
  // component keeps receiving moves and the release wherever the pointer goes (capture); a
  // click follows the release when the pointer is still over the pressed component. Enter and
  // leave follow the component under the pointer.
  void PointerMove(PointF p);
  void PointerPress(PointF p, MouseButton button);
  void PointerRelease(PointF p, MouseButton button);
  // The pointer left the window; the leave event carries its last position.
  void PointerLeave();

  // True when something changed since the last Compose.
  bool changed() const { return changed_; }
  void MarkChanged() { changed_ = true; }
  // Draws every visible component bottom-up over a transparent frame of the scene's size.
  const Bitmap& Compose();

 private:
  void Adopt(std::unique_ptr<Component> component);
  void UpdateHover(PointF p);

  int width_;
  int height_;
  std::vector<std::unique_ptr<Component>> components_;
  Component* hovered_ = nullptr;
  Component* pressed_ = nullptr;
  PointF lastPointer_;
  bool changed_ = true;
  Bitmap frame_;
};

}  // namespace veyra::ui
