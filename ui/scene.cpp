#include "ui/scene.h"

#include <algorithm>

namespace veyra::ui {

namespace {

// Rows composed together: the band of the frame and of each layer stays in the cache.
constexpr int kBandRows = 64;

void Fire(const PointerHandler& handler, MouseButton button, PointF p) {
  if (handler) handler(PointerEvent{button, p});
}

}  // namespace

Scene::Scene(int width, int height) : width_(width), height_(height), frame_(width, height) {}

void Scene::Adopt(std::unique_ptr<Component> component) {
  component->scene_ = this;
  components_.push_back(std::move(component));
  changed_ = true;
}

Component* Scene::HitTest(PointF p) const {
  for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
    Component& c = **it;
    if (c.visible() && c.TakesPointerInput() && c.rect().Contains(p)) return &c;
  }
  return nullptr;
}

void Scene::UpdateHover(PointF p) {
  lastPointer_ = p;
  Component* now = HitTest(p);
  if (now == hovered_) return;
  Component* before = hovered_;
  hovered_ = now;
  if (before != nullptr) Fire(before->handlers.leave, MouseButton::kNone, p);
  if (now != nullptr) Fire(now->handlers.enter, MouseButton::kNone, p);
}

void Scene::PointerMove(PointF p) {
  UpdateHover(p);
  Component* target = pressed_ != nullptr ? pressed_ : hovered_;
  if (target != nullptr) Fire(target->handlers.move, MouseButton::kNone, p);
}

void Scene::PointerPress(PointF p, MouseButton button) {
  UpdateHover(p);
  pressed_ = hovered_;
  if (pressed_ != nullptr) Fire(pressed_->handlers.press, button, p);
}

void Scene::PointerRelease(PointF p, MouseButton button) {
  UpdateHover(p);
  Component* pressed = pressed_;
  pressed_ = nullptr;
  Component* target = pressed != nullptr ? pressed : hovered_;
  if (target == nullptr) return;
  Fire(target->handlers.release, button, p);
  if (target == pressed && HitTest(p) == pressed) Fire(pressed->handlers.click, button, p);
}

void Scene::PointerLeave() {
  if (hovered_ == nullptr) return;
  Component* before = hovered_;
  hovered_ = nullptr;
  Fire(before->handlers.leave, MouseButton::kNone, lastPointer_);
}

const Bitmap& Scene::Compose() {
  for (int first = 0; first < height_; first += kBandRows) {
    const Canvas band{frame_, first, std::min(first + kBandRows, height_)};
    std::fill(frame_.Row(band.firstRow), frame_.Row(band.endRow - 1) + width_, Pixel{0});
    for (const auto& component : components_) {
      if (component->visible()) component->Draw(band);
    }
  }
  changed_ = false;
  return frame_;
}

}  // namespace veyra::ui
