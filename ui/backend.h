// What a window system gives the toolkit. One backend library is linked into each program
// (veyra_ui_headless, veyra_ui_x11 or veyra_ui_win32); it defines CreateBackend.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "ui/bitmap.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/pointer_event.h"

namespace veyra::ui {

using Clock = std::chrono::steady_clock;

struct WindowOptions {
  std::string title;  // shown wherever the system lists windows; no title bar is drawn
  int width = 0;
  int height = 0;
  // The text font of message boxes on systems without a native one (X11).
  std::shared_ptr<const Font> messageFont;
};

// How a backend reports what happens; the Window implements it. Called on the UI thread only.
class BackendEvents {
 public:
  virtual void OnPointerMove(PointF p) = 0;
  virtual void OnPointerPress(PointF p, MouseButton button) = 0;
  virtual void OnPointerRelease(PointF p, MouseButton button) = 0;
  virtual void OnPointerLeave() = 0;
  // A tick of the animation timer, while it runs.
  virtual void OnTimer() = 0;
  // Someone called Backend::Wake.
  virtual void OnWake() = 0;

 protected:
  ~BackendEvents() = default;
};

// All members except Wake are called on the UI thread.
class Backend {
 public:
  virtual ~Backend() = default;

  // Called once, before anything else; the events outlive the backend's loop.
  virtual void Attach(BackendEvents& events) = 0;

  // Shows a new frame of the window's size (premultiplied ARGB, per-pixel alpha). Where the
  // frame is fully transparent, pointer input goes to whatever lies behind the window.
  virtual void Present(const Bitmap& frame) = 0;

  // The window's top-left corner on the screen. The window starts centred on the screen.
  virtual Point Position() const = 0;
  virtual void MoveTo(Point topLeft) = 0;
  virtual void Minimise() = 0;

  // A modal message box with an OK button, centred on the screen; returns when it is closed.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;

  // Starts or stops the animation timer: OnTimer every 10 ms while it runs.
  virtual void SetTimerRunning(bool running) = 0;
  virtual Clock::time_point Now() const = 0;

  // Any thread: makes the loop call OnWake soon.
  virtual void Wake() = 0;

  // Runs the event loop until Close.
  virtual void Run() = 0;
  // Closes the window and ends Run.
  virtual void Close() = 0;
};

// The backend of the linked backend library for a new window.
std::unique_ptr<Backend> CreateBackend(const WindowOptions& options);

}  // namespace veyra::ui
