// The X11 backend: an undecorated window with a 32-bit ARGB visual. Its bounding and input shapes
// follow the frame's alpha, so fully transparent pixels show and take what lies behind.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <vector>

#include "base/error.h"
#include "ui/backend.h"
#include "ui/x11/message_box.h"
#include "ui/x11/x11_resources.h"

namespace veyra::ui {

namespace {

constexpr std::chrono::milliseconds kTimerInterval{10};
constexpr long kMainWindowEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask |
                                   PointerMotionMask | EnterWindowMask | LeaveWindowMask |
                                   StructureNotifyMask;

// Rows of horizontal runs of pixels whose alpha is not zero.
std::vector<XRectangle> OpaqueRuns(const Bitmap& frame) {
  std::vector<XRectangle> runs;
  for (int y = 0; y < frame.height(); ++y) {
    const Pixel* row = frame.Row(y);
    for (int x = 0; x < frame.width();) {
      if ((row[x] >> 24) == 0) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < frame.width() && (row[x] >> 24) != 0) ++x;
      runs.push_back({static_cast<short>(start), static_cast<short>(y),
                      static_cast<unsigned short>(x - start), 1});
    }
  }
  return runs;
}

bool SameRuns(const std::vector<XRectangle>& a, const std::vector<XRectangle>& b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), a.size() * sizeof(XRectangle)) == 0;
}

MouseButton ButtonOf(unsigned int x11Button) {
  switch (x11Button) {
    case Button1: return MouseButton::kLeft;
    case Button2: return MouseButton::kMiddle;
    case Button3: return MouseButton::kRight;
    default: return MouseButton::kOther;
  }
}

// Buttons 4 to 7 are the wheel's steps, not presses.
bool IsWheel(unsigned int x11Button) { return x11Button >= 4 && x11Button <= 7; }

class X11Backend : public Backend {
 public:
  explicit X11Backend(const WindowOptions& options)
      : options_(options),
        display_(OpenDisplay()),
        window_(*display_, {options.title, options.width, options.height, true, kMainWindowEvents}) {
    if (pipe(wakePipe_) != 0) throw Error("Cannot create the UI wake pipe.");
    fcntl(wakePipe_[0], F_SETFL, O_NONBLOCK);
    fcntl(wakePipe_[1], F_SETFL, O_NONBLOCK);
    window_.Show();
  }

  ~X11Backend() override {
    close(wakePipe_[0]);
    close(wakePipe_[1]);
  }

  void Attach(BackendEvents& events) override { events_ = &events; }

  void Present(const Bitmap& frame) override {
    shown_ = frame;
    Paint();
    std::vector<XRectangle> runs = OpaqueRuns(shown_);
    if (!SameRuns(runs, shape_)) {
      shape_ = std::move(runs);
      for (int kind : {ShapeBounding, ShapeInput}) {
        XShapeCombineRectangles(display_.get(), window_.id(), kind, 0, 0, shape_.data(),
                                static_cast<int>(shape_.size()), ShapeSet, YXBanded);
      }
    }
    XFlush(display_.get());
  }

  Point Position() const override { return window_.position(); }

  void MoveTo(Point topLeft) override {
    window_.MoveTo(topLeft);
    XFlush(display_.get());
  }

  void Minimise() override {
    XIconifyWindow(display_.get(), window_.id(), DefaultScreen(display_.get()));
    XFlush(display_.get());
  }

  void ShowMessage(const std::string& caption, const std::string& text) override {
    if (!options_.messageFont) throw Error("No font for message boxes.");
    ShowMessageBox(*display_, window_.id(), options_.messageFont, caption, text,
                   [this] { return ServeWhileModal(); });
  }

  void SetTimerRunning(bool running) override {
    timerRunning_ = running;
    if (running) nextTick_ = Now() + kTimerInterval;
  }

  Clock::time_point Now() const override { return Clock::now(); }

  void Wake() override {
    const char byte = 1;
    // A full pipe already holds a wake-up, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = write(wakePipe_[1], &byte, 1);
  }

  void Run() override {
    while (!closed_) {
      while (!closed_ && XPending(display_.get()) > 0) {
        XEvent event;
        XNextEvent(display_.get(), &event);
        Handle(event);
      }
      if (!closed_) WaitAndServe();
    }
  }

  void Close() override {
    closed_ = true;
    XUnmapWindow(display_.get(), window_.id());
    XFlush(display_.get());
  }

 private:
  static DisplayHandle OpenDisplay() {
    DisplayHandle display(XOpenDisplay(nullptr));
    if (!display) throw Error("Cannot open the X display.");
    int eventBase = 0;
    int errorBase = 0;
    if (!XShapeQueryExtension(display.get(), &eventBase, &errorBase)) {
      throw Error("The X server has no shape extension.");
    }
    return display;
  }

  void Paint() {
    if (shown_.empty()) return;
    window_.Put(shown_);
  }

  void Handle(const XEvent& event) {
    switch (event.type) {
      case Expose:
        if (event.xexpose.count == 0) Paint();
        break;
      case MotionNotify:
        events_->OnPointerMove({double(event.xmotion.x), double(event.xmotion.y)});
        break;
      case EnterNotify:
        events_->OnPointerMove({double(event.xcrossing.x), double(event.xcrossing.y)});
        break;
      case LeaveNotify:
        if (event.xcrossing.mode == NotifyNormal) events_->OnPointerLeave();
        break;
      case ButtonPress:
        if (!IsWheel(event.xbutton.button)) {
          events_->OnPointerPress({double(event.xbutton.x), double(event.xbutton.y)},
                                  ButtonOf(event.xbutton.button));
        }
        break;
      case ButtonRelease:
        if (!IsWheel(event.xbutton.button)) {
          events_->OnPointerRelease({double(event.xbutton.x), double(event.xbutton.y)},
                                    ButtonOf(event.xbutton.button));
        }
        break;
      case ConfigureNotify:
        // A window manager reports the real screen position in a synthetic event.
        if (event.xconfigure.send_event) {
          window_.Moved({event.xconfigure.x, event.xconfigure.y});
        }
        break;
      case ClientMessage:
        if (window_.IsCloseRequest(event.xclient)) Close();
        break;
      default:
        break;
    }
  }

  // Sleeps until X input, a wake-up or the next timer tick, then serves the latter two.
  void WaitAndServe() {
    XFlush(display_.get());
    int timeout = -1;
    if (timerRunning_) {
      const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextTick_ - Now());
      timeout = static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, wait.count()));
    }
    pollfd fds[2] = {{ConnectionNumber(display_.get()), POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
    poll(fds, 2, timeout);
    if (fds[1].revents & POLLIN) {
      char drain[64];
      while (read(wakePipe_[0], drain, sizeof drain) > 0) {
      }
      events_->OnWake();
    }
    ServeTimer();
  }

  void ServeTimer() {
    if (!timerRunning_) return;
    const Clock::time_point now = Now();
    if (now < nextTick_) return;
    nextTick_ += kTimerInterval;
    // After a stall the ticks do not pile up: the next one is a full interval away.
    if (nextTick_ <= now) nextTick_ = now + kTimerInterval;
    events_->OnTimer();
  }

  // What the UI keeps doing while a message box is up: paint, calls, fades; no pointer input.
  // Returns whether the window is still open.
  bool ServeWhileModal() {
    while (XPending(display_.get()) > 0) {
      XEvent event;
      XPeekEvent(display_.get(), &event);
      if (event.xany.window != window_.id()) return !closed_;  // for the message box
      XNextEvent(display_.get(), &event);
      if (event.type == Expose && event.xexpose.count == 0) Paint();
    }
    WaitAndServe();
    return !closed_;
  }

  WindowOptions options_;
  DisplayHandle display_;
  X11Window window_;
  BackendEvents* events_ = nullptr;
  int wakePipe_[2] = {-1, -1};
  Bitmap shown_;
  std::vector<XRectangle> shape_;
  bool timerRunning_ = false;
  Clock::time_point nextTick_{};
  bool closed_ = false;
};

}  // namespace

std::unique_ptr<Backend> CreateBackend(const WindowOptions& options) {
  return std::make_unique<X11Backend>(options);
}

}  // namespace veyra::ui
