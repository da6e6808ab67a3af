// The base of everything a scene shows: a rectangle in client coordinates, visibility, whether it
// takes pointer input, and its pointer handlers.
#pragma once

#include "ui/canvas.h"
#include "ui/geometry.h"
#include "ui/pointer_event.h"

namespace veyra::ui {

class Scene;

class Component {
 public:
  explicit Component(RectF rect) : rect_(rect) {}
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component() = default;

  const RectF& rect() const { return rect_; }
  bool visible() const { return visible_; }
  void SetVisible(bool visible);

  // False for components that pointer input passes through (a label).
  virtual bool TakesPointerInput() const { return true; }

  // Draws the component over the canvas's band of the frame (premultiplied source-over).
  virtual void Draw(const Canvas& canvas) const = 0;

  // Set these to react to the pointer; see PointerHandlers.
  PointerHandlers handlers;

 protected:
  // Tells the scene that the next frame differs from the last one.
  void Changed();
  void SetRect(RectF rect);

 private:
  friend class Scene;
  RectF rect_;
  bool visible_ = true;
  Scene* scene_ = nullptr;
};

}  // namespace veyra::ui
