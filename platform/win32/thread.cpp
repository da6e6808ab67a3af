#include "platform/thread.h"

#include <windows.h>

namespace veyra::platform {

void LowerCurrentThreadPriority() {
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_LOWEST);
}

ThreadPriority ThreadPriority::OfCurrentThread() {
  return ThreadPriority(::GetThreadPriority(::GetCurrentThread()));
}

void ThreadPriority::ApplyToCurrentThread() const {
  ::SetThreadPriority(::GetCurrentThread(), value_);
}

}  // namespace veyra::platform
