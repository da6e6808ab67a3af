// Threads of the system.
#pragma once

namespace veyra::platform {

// Lowers the calling thread to the lowest priority the system offers to ordinary programs
// (THREAD_PRIORITY_LOWEST on Windows).
void LowerCurrentThreadPriority();

}  // namespace veyra::platform
