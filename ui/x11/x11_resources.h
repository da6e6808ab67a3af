// Owners of the X resources the backend uses.
#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <string>

#include "ui/bitmap.h"
#include "ui/geometry.h"

namespace veyra::ui {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

// A top-level window centred on the screen, with its colormap and drawing context. An ARGB
// window has a 32-bit visual and no decorations; otherwise it is an ordinary window.
class X11Window {
 public:
  struct Style {
    std::string title;
    int width;
    int height;
    bool argb;
    long eventMask;
  };
  X11Window(Display& display, const Style& style);
  X11Window(const X11Window&) = delete;
  X11Window& operator=(const X11Window&) = delete;
  ~X11Window();

  ::Window id() const { return id_; }
  Point position() const { return position_; }

  // Draws a bitmap of the window's size at its top-left corner.
  void Put(const Bitmap& bitmap);
  void MoveTo(Point topLeft);
  // The window manager moved the window.
  void Moved(Point topLeft) { position_ = topLeft; }
  void Show();
  bool IsCloseRequest(const XClientMessageEvent& message) const;

 private:
  Display& display_;
  int depth_;
  Visual* visual_;
  Colormap colormap_ = 0;
  ::Window id_ = 0;
  GC gc_ = nullptr;
  Atom deleteAtom_;
  Point position_;
};

}  // namespace veyra::ui
