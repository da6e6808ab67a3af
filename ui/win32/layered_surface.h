// The pixels of a layered window: a top-down 32-bit DIB section in a memory device context,
// handed to UpdateLayeredWindow with per-pixel alpha.
#pragma once

#include <windows.h>

#include "ui/bitmap.h"
#include "ui/geometry.h"

namespace veyra::ui {

class LayeredSurface {
 public:
  LayeredSurface(int width, int height);
  LayeredSurface(const LayeredSurface&) = delete;
  LayeredSurface& operator=(const LayeredSurface&) = delete;
  ~LayeredSurface();

  // Copies the frame (premultiplied ARGB, as the DIB holds it) and shows it in the window.
  void Show(HWND window, const Bitmap& frame);

 private:
  int width_;
  int height_;
  HDC memory_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace veyra::ui
