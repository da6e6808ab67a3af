// The Win32 backend: a popup window with per-pixel alpha through UpdateLayeredWindow. Windows
// itself sends clicks on fully transparent pixels to what lies behind.
#include <windows.h>
#include <windowsx.h>

#include <exception>
#include <memory>
#include <utility>

#include "base/error.h"
#include "platform/win32/wide.h"
#include "ui/backend.h"
#include "ui/win32/layered_surface.h"

namespace veyra::ui {

namespace {

constexpr wchar_t kClassName[] = L"TFormUpdater";
constexpr UINT kWakeMessage = WM_APP + 1;
constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kTimerMilliseconds = 10;

PointF PositionOf(LPARAM lParam) {
  return {double(GET_X_LPARAM(lParam)), double(GET_Y_LPARAM(lParam))};
}

MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return MouseButton::kLeft;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return MouseButton::kRight;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return MouseButton::kMiddle;
    default: return MouseButton::kOther;
  }
}

bool AnyButtonDown(WPARAM keys) {
  return (keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2)) != 0;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = procedure;
  type.hInstance = instance;
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  type.lpszClassName = kClassName;
  if (RegisterClassExW(&type) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Error("Cannot register the window class.");
  }
}

class Win32Backend : public Backend {
 public:
  explicit Win32Backend(const WindowOptions& options) : surface_(options.width, options.height) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance, &Win32Backend::Procedure);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - options.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - options.height) / 2;
    window_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_APPWINDOW, kClassName,
                              platform::win32::Widen(options.title).c_str(),
                              WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, left, top, options.width,
                              options.height, nullptr, nullptr, instance, this);
    if (window_ == nullptr) throw Error("Cannot create the window.");
  }

  ~Win32Backend() override {
    if (window_ != nullptr) DestroyWindow(window_);
  }

  void Attach(BackendEvents& events) override { events_ = &events; }

  void Present(const Bitmap& frame) override {
    surface_.Show(window_, frame);
    if (!shown_) {
      ShowWindow(window_, SW_SHOW);
      shown_ = true;
    }
  }

  Point Position() const override {
    RECT r{};
    GetWindowRect(window_, &r);
    return {r.left, r.top};
  }

  void MoveTo(Point topLeft) override {
    SetWindowPos(window_, nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void Minimise() override { SendMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0); }

  void ShowMessage(const std::string& caption, const std::string& text) override {
    MessageBoxW(window_, platform::win32::Widen(text).c_str(),
                platform::win32::Widen(caption).c_str(), MB_OK);
    RethrowFailure();
  }

  void SetTimerRunning(bool running) override {
    if (running) {
      SetTimer(window_, kAnimationTimer, kTimerMilliseconds, nullptr);
    } else {
      KillTimer(window_, kAnimationTimer);
    }
  }

  Clock::time_point Now() const override { return Clock::now(); }

  void Wake() override { PostMessageW(window_, kWakeMessage, 0, 0); }

  void Run() override {
    MSG message;
    while (window_ != nullptr && GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
      RethrowFailure();
    }
  }

  void Close() override {
    if (window_ != nullptr) DestroyWindow(window_);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Backend*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->events_ == nullptr) {
      if (message == WM_DESTROY && self != nullptr) self->window_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    // Exceptions must not cross the system's frames: keep the first and rethrow it from Run.
    try {
      return self->Handle(message, wParam, lParam);
    } catch (...) {
      if (!self->failure_) self->failure_ = std::current_exception();
      PostQuitMessage(1);
      return 0;
    }
  }

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_MOUSEMOVE:
        TrackLeave();
        events_->OnPointerMove(PositionOf(lParam));
        return 0;
      case WM_MOUSELEAVE:
        tracking_ = false;
        events_->OnPointerLeave();
        return 0;
      case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_XBUTTONDOWN:
        SetCapture(window_);
        events_->OnPointerPress(PositionOf(lParam), ButtonOf(message));
        return message == WM_XBUTTONDOWN ? TRUE : 0;
      case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: case WM_XBUTTONUP:
        if (!AnyButtonDown(GET_KEYSTATE_WPARAM(wParam))) ReleaseCapture();
        events_->OnPointerRelease(PositionOf(lParam), ButtonOf(message));
        return message == WM_XBUTTONUP ? TRUE : 0;
      case WM_TIMER:
        if (wParam == kAnimationTimer) events_->OnTimer();
        return 0;
      case kWakeMessage:
        events_->OnWake();
        return 0;
      case WM_DESTROY:
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
      default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
  }

  void TrackLeave() {
    if (tracking_) return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
    tracking_ = TrackMouseEvent(&track) != FALSE;
  }

  void RethrowFailure() {
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  }

  LayeredSurface surface_;
  HWND window_ = nullptr;
  BackendEvents* events_ = nullptr;
  bool shown_ = false;
  bool tracking_ = false;
  std::exception_ptr failure_;
};

}  // namespace

std::unique_ptr<Backend> CreateBackend(const WindowOptions& options) {
  return std::make_unique<Win32Backend>(options);
}

}  // namespace veyra::ui
