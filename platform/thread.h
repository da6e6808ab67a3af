// Threads of the system.
#pragma once

namespace veyra::platform {

// Lowers the calling thread to the lowest priority the system offers to ordinary programs
// (THREAD_PRIORITY_LOWEST on Windows).
void LowerCurrentThreadPriority();

// A thread's scheduling priority, taken from one thread and given to another: a thread that works
// for a lowered thread runs lowered too. (Windows starts every thread at normal priority.)
class ThreadPriority {
 public:
  static ThreadPriority OfCurrentThread();
  // Leaves the priority as it is where the system refuses the change.
  void ApplyToCurrentThread() const;
  bool operator==(const ThreadPriority&) const = default;

 private:
  explicit ThreadPriority(int value) : value_(value) {}
  int value_;
};

}  // namespace veyra::platform
