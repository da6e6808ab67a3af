#include "ui/window.h"

#include "base/error.h"

namespace veyra::ui {

namespace {

constexpr std::chrono::milliseconds kCallServerRecheck{10};

}  // namespace

Window::Window(const WindowOptions& options, std::unique_ptr<Backend> backend)
    : backend_(std::move(backend)),
      scene_(options.width, options.height),
      uiThread_(std::this_thread::get_id()) {
  backend_->Attach(*this);
}

Window::~Window() { calls_.Shut(); }

void Window::FadeTo(Image& image, float target, double seconds) {
  fades_.Start(image, target, seconds, backend_->Now());
  UpdateTimer();
}

void Window::UpdateTimer() {
  if (fades_.running() == timerRunning_) return;
  timerRunning_ = fades_.running();
  backend_->SetTimerRunning(timerRunning_);
}

void Window::InvokeSync(std::function<void()> fn) {
  if (std::this_thread::get_id() == uiThread_) {
    fn();
    return;
  }
  std::future<void> done = calls_.Queue(std::move(fn));
  backend_->Wake();
  try {
    done.get();
  } catch (const std::future_error&) {
    throw Error("The window is closed.");
  }
}

void Window::ServeCallsUntil(const std::function<bool()>& finished) {
  while (!finished()) {
    if (calls_.RunPending()) {
      PresentIfChanged();
    } else {
      calls_.Wait(kCallServerRecheck);
    }
  }
  calls_.RunPending();
  PresentIfChanged();
}

void Window::NotifyCallServer() { calls_.Notify(); }

void Window::ShowMessage(const std::string& caption, const std::string& text) {
  PresentIfChanged();
  backend_->ShowMessage(caption, text);
}

Point Window::Position() const { return backend_->Position(); }
void Window::MoveTo(Point topLeft) { backend_->MoveTo(topLeft); }
void Window::Minimise() { backend_->Minimise(); }

void Window::Run() {
  PresentIfChanged();
  backend_->Run();
  calls_.Shut();
}

void Window::Close() { backend_->Close(); }

void Window::PresentIfChanged() {
  if (scene_.changed()) backend_->Present(scene_.Compose());
}

void Window::OnPointerMove(PointF p) {
  scene_.PointerMove(p);
  PresentIfChanged();
}

void Window::OnPointerPress(PointF p, MouseButton button) {
  scene_.PointerPress(p, button);
  PresentIfChanged();
}

void Window::OnPointerRelease(PointF p, MouseButton button) {
  scene_.PointerRelease(p, button);
  PresentIfChanged();
}

void Window::OnPointerLeave() {
  scene_.PointerLeave();
  PresentIfChanged();
}

void Window::OnTimer() {
  fades_.Tick(backend_->Now());
  UpdateTimer();
  PresentIfChanged();
}

void Window::OnWake() {
  calls_.RunPending();
  PresentIfChanged();
}

}  // namespace veyra::ui
