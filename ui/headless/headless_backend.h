// A backend without a screen, for tests: frames go to memory, pointer input and time are
// synthetic, message boxes are recorded and closed at once.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace veyra::ui {

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(const WindowOptions& options);

  // Synthetic pointer input, delivered at once.
  void Move(PointF p);
  void Press(PointF p, MouseButton button = MouseButton::kLeft);
  void Release(PointF p, MouseButton button = MouseButton::kLeft);
  // Press and release at one point.
  void Click(PointF p, MouseButton button = MouseButton::kLeft);
  void LeaveWindow();

  // Moves the clock forward; while the animation timer runs it ticks every 10 ms of it.
  void Advance(Clock::duration duration);
  bool timerRunning() const { return timerRunning_; }

  int presentCount() const { return presentCount_; }
  const Bitmap& lastFrame() const { return lastFrame_; }
  struct Message {
    std::string caption;
    std::string text;
  };
  const std::vector<Message>& messages() const { return messages_; }
  int minimiseCount() const { return minimiseCount_; }
  bool closed() const { return closed_; }

  void Attach(BackendEvents& events) override;
  void Present(const Bitmap& frame) override;
  Point Position() const override { return position_; }
  void MoveTo(Point topLeft) override { position_ = topLeft; }
  void Minimise() override { ++minimiseCount_; }
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void SetTimerRunning(bool running) override;
  Clock::time_point Now() const override { return now_; }
  void Wake() override;
  // Serves wakes until Close.
  void Run() override;
  void Close() override;

 private:
  BackendEvents* events_ = nullptr;
  Clock::time_point now_{};
  Clock::time_point nextTick_{};
  bool timerRunning_ = false;
  Point position_;
  int presentCount_ = 0;
  Bitmap lastFrame_;
  std::vector<Message> messages_;
  int minimiseCount_ = 0;

  std::mutex mutex_;
  std::condition_variable woken_;
  bool wakePending_ = false;
  bool closed_ = false;
};

// Writes a frame as a PNG file (straight alpha). Throws veyra::Error when it cannot.
void SavePng(const Bitmap& bitmap, const std::string& path);

}  // namespace veyra::ui
