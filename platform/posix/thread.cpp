#include "platform/thread.h"

#include <sys/resource.h>
#include <unistd.h>

namespace veyra::platform {
namespace {

// On Linux the nice value belongs to each thread, so these calls concern the calling thread alone.
id_t CurrentThreadId() { return static_cast<id_t>(::gettid()); }

}  // namespace

// A thread that may not change its nice value keeps running at its priority.
void LowerCurrentThreadPriority() {
  constexpr int kLowestNiceValue = 19;
  ::setpriority(PRIO_PROCESS, CurrentThreadId(), kLowestNiceValue);
}

// getpriority cannot fail for the calling thread, so a nice value of -1 needs no errno check.
ThreadPriority ThreadPriority::OfCurrentThread() {
  return ThreadPriority(::getpriority(PRIO_PROCESS, CurrentThreadId()));
}

void ThreadPriority::ApplyToCurrentThread() const {
  ::setpriority(PRIO_PROCESS, CurrentThreadId(), value_);
}

}  // namespace veyra::platform
