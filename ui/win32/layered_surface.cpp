#include "ui/win32/layered_surface.h"

#include <algorithm>

#include "base/error.h"

namespace veyra::ui {

LayeredSurface::LayeredSurface(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, as Bitmap rows are
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  memory_ = CreateCompatibleDC(nullptr);
  dib_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
  if (memory_ == nullptr || dib_ == nullptr) {
    if (memory_ != nullptr) DeleteDC(memory_);
    throw Error("Cannot create the window's drawing surface.");
  }
  previous_ = SelectObject(memory_, dib_);
}

LayeredSurface::~LayeredSurface() {
  SelectObject(memory_, previous_);
  DeleteObject(dib_);
  DeleteDC(memory_);
}

void LayeredSurface::Show(HWND window, const Bitmap& frame) {
  const auto pixels = frame.pixels();
  std::copy(pixels.begin(), pixels.end(), static_cast<Pixel*>(bits_));
  GdiFlush();
  POINT origin{0, 0};
  SIZE size{width_, height_};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(window, nullptr, nullptr, &size, memory_, &origin, 0, &blend, ULW_ALPHA);
}

}  // namespace veyra::ui
