// Calls that other threads hand to the UI thread, each waited for by its caller.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

namespace veyra::ui {

class SyncCalls {
 public:
  // Queues fn (any thread) and returns the future of its result; an exception thrown by fn is
  // stored in it. Throws veyra::Error after Shut.
  std::future<void> Queue(std::function<void()> fn);

  // Runs every queued call, in order (UI thread). Returns whether it ran any.
  bool RunPending();

  // Waits until a call is queued, Notify is called or the limit has passed (UI thread).
  void Wait(std::chrono::milliseconds limit);
  // Ends a Wait (any thread).
  void Notify();

  // No more calls are taken; the queued ones are dropped and their callers get an exception.
  void Shut();

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::packaged_task<void()>> queue_;
  bool shut_ = false;
  bool notified_ = false;
};

}  // namespace veyra::ui
