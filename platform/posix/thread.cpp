#include "platform/thread.h"

#include <sys/resource.h>
#include <unistd.h>

namespace veyra::platform {

// On Linux the nice value belongs to each thread, so the calling thread alone is lowered. A thread
// that may not change its nice value keeps running at its priority.
void LowerCurrentThreadPriority() {
  constexpr int kLowestNiceValue = 19;
  ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kLowestNiceValue);
}

}  // namespace veyra::platform
