// Points and rectangles of the window's client area, in pixels, X to the right and Y downwards.
#pragma once

namespace veyra::ui {

// A pointer position. Real numbers, because pointer positions may fall between pixels.
struct PointF {
  double x = 0;
  double y = 0;
};

// A window position on the screen or a pixel position in a bitmap.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A component's rectangle. Its height is a real number so that a progress bar keeps fractional
// heights; it holds a point when left <= x < left + width and top <= y < top + height.
struct RectF {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;

  bool Contains(PointF p) const {
    return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
  }
};

}  // namespace veyra::ui
