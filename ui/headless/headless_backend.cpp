#include "ui/headless/headless_backend.h"

namespace veyra::ui {

namespace {

constexpr std::chrono::milliseconds kTimerInterval{10};
// The screen the window pretends to be centred on.
constexpr Point kScreenSize{1920, 1080};

}  // namespace

HeadlessBackend::HeadlessBackend(const WindowOptions& options)
    : position_{(kScreenSize.x - options.width) / 2, (kScreenSize.y - options.height) / 2} {}

std::unique_ptr<Backend> CreateBackend(const WindowOptions& options) {
  return std::make_unique<HeadlessBackend>(options);
}

void HeadlessBackend::Attach(BackendEvents& events) { events_ = &events; }

void HeadlessBackend::Move(PointF p) { events_->OnPointerMove(p); }

void HeadlessBackend::Press(PointF p, MouseButton button) {
  events_->OnPointerMove(p);
  events_->OnPointerPress(p, button);
}

void HeadlessBackend::Release(PointF p, MouseButton button) {
  events_->OnPointerMove(p);
  events_->OnPointerRelease(p, button);
}

void HeadlessBackend::Click(PointF p, MouseButton button) {
  Press(p, button);
  Release(p, button);
}

void HeadlessBackend::LeaveWindow() { events_->OnPointerLeave(); }

void HeadlessBackend::Advance(Clock::duration duration) {
  const Clock::time_point end = now_ + duration;
  while (timerRunning_ && nextTick_ <= end) {
    now_ = nextTick_;
    nextTick_ += kTimerInterval;
    events_->OnTimer();
  }
  now_ = end;
}

void HeadlessBackend::SetTimerRunning(bool running) {
  timerRunning_ = running;
  if (running) nextTick_ = now_ + kTimerInterval;
}

void HeadlessBackend::Present(const Bitmap& frame) {
  ++presentCount_;
  lastFrame_ = frame;
}

void HeadlessBackend::ShowMessage(const std::string& caption, const std::string& text) {
  messages_.push_back({caption, text});
}

void HeadlessBackend::Wake() {
  {
    const std::lock_guard lock(mutex_);
    wakePending_ = true;
  }
  woken_.notify_all();
}

void HeadlessBackend::Run() {
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      woken_.wait(lock, [this] { return wakePending_ || closed_; });
      if (closed_) return;
      wakePending_ = false;
    }
    events_->OnWake();
  }
}

void HeadlessBackend::Close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
  }
  woken_.notify_all();
}

}  // namespace veyra::ui
