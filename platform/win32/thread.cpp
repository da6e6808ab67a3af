#include "platform/thread.h"

#include <windows.h>

namespace veyra::platform {

void LowerCurrentThreadPriority() {
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_LOWEST);
}

}  // namespace veyra::platform
