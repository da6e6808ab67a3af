#include "ui/sync_calls.h"

#include "base/error.h"

namespace veyra::ui {

std::future<void> SyncCalls::Queue(std::function<void()> fn) {
  std::packaged_task<void()> task(std::move(fn));
  std::future<void> result = task.get_future();
  {
    const std::lock_guard lock(mutex_);
    if (shut_) throw Error("The window is closed.");
    queue_.push_back(std::move(task));
  }
  wake_.notify_all();
  return result;
}

bool SyncCalls::RunPending() {
  std::deque<std::packaged_task<void()>> batch;
  {
    const std::lock_guard lock(mutex_);
    batch.swap(queue_);
  }
  for (auto& task : batch) task();
  return !batch.empty();
}

void SyncCalls::Wait(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  wake_.wait_for(lock, limit, [this] { return !queue_.empty() || notified_; });
  notified_ = false;
}

void SyncCalls::Notify() {
  {
    const std::lock_guard lock(mutex_);
    notified_ = true;
  }
  wake_.notify_all();
}

void SyncCalls::Shut() {
  std::deque<std::packaged_task<void()>> dropped;
  {
    const std::lock_guard lock(mutex_);
    shut_ = true;
    dropped.swap(queue_);
  }
  // Destroying a task that never ran hands its caller a broken-promise exception.
}

}  // namespace veyra::ui
