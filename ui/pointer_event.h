// Pointer input as components receive it.
#pragma once

#include <functional>

#include "ui/geometry.h"

namespace veyra::ui {

// The button of a press or release. Handlers that react to every button alike ignore it.
enum class MouseButton { kNone, kLeft, kRight, kMiddle, kOther };

struct PointerEvent {
  MouseButton button = MouseButton::kNone;  // kNone for enter, leave and move
  PointF position;                          // in the window's client coordinates
};

using PointerHandler = std::function<void(const PointerEvent&)>;

// The handlers of one component; an empty one means "no reaction". A component takes pointer
// input whether or not it has handlers.
struct PointerHandlers {
  PointerHandler enter;
  PointerHandler leave;
  PointerHandler press;
  PointerHandler release;
  PointerHandler click;  // after the release, when press and release hit the same component
  PointerHandler move;
};

}  // namespace veyra::ui
