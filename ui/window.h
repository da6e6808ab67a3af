// A borderless window with per-pixel alpha that shows one scene, and the services around it:
// fades, calls from other threads, message boxes, moving, minimising, the event loop.
// Create it, Run it and destroy it on the UI thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "ui/backend.h"
#include "ui/fades.h"
#include "ui/scene.h"
#include "ui/sync_calls.h"

namespace veyra::ui {

class Window : private BackendEvents {
 public:
  // A window of the linked backend. Defined here so that the program, which comes before the
  // libraries on the link line, is what asks for CreateBackend.
  explicit Window(const WindowOptions& options) : Window(options, CreateBackend(options)) {}
  // A window on the given backend, for example a HeadlessBackend in tests.
  Window(const WindowOptions& options, std::unique_ptr<Backend> backend);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window();

  Scene& scene() { return scene_; }

  // Fades the image's opacity to target over seconds (see Fades); the animation timer runs only
  // while a fade runs.
  void FadeTo(Image& image, float target, double seconds = 0.2);

  // Runs fn on the UI thread and waits for it; an exception thrown by fn is rethrown here.
  // Any thread; on the UI thread fn runs at once. Throws veyra::Error once the window is closed.
  void InvokeSync(std::function<void()> fn);
  // UI thread, while it waits for a worker to end: runs the calls the worker hands over until
  // finished() is true. Whoever makes finished() true should call NotifyCallServer afterwards.
  void ServeCallsUntil(const std::function<bool()>& finished);
  // Any thread: makes ServeCallsUntil check its condition again.
  void NotifyCallServer();

  // A modal message box with an OK button, centred on the screen.
  void ShowMessage(const std::string& caption, const std::string& text);

  Point Position() const;
  void MoveTo(Point topLeft);
  void Minimise();

  // Runs the event loop until Close.
  void Run();
  void Close();

  // Shows the scene when it changed since the last frame shown. The window does this after
  // every event, tick and call it runs; call it after changing the scene outside of those.
  void PresentIfChanged();

 private:
  void OnPointerMove(PointF p) override;
  void OnPointerPress(PointF p, MouseButton button) override;
  void OnPointerRelease(PointF p, MouseButton button) override;
  void OnPointerLeave() override;
  void OnTimer() override;
  void OnWake() override;
  void UpdateTimer();

  std::unique_ptr<Backend> backend_;
  Scene scene_;
  Fades fades_;
  SyncCalls calls_;
  std::thread::id uiThread_;
  bool timerRunning_ = false;
};

}  // namespace veyra::ui
