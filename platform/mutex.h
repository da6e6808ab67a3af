// A named mutex that lasts as long as the process (on POSIX an exclusive flock on a lock file in
// the runtime folder).
#pragma once

#include <cstdint>
#include <string>

namespace veyra::platform {

enum class WaitResult { Object0, Other };

class NamedMutex {
 public:
  // Creates the mutex asking for initial ownership, or opens the existing one without it. A mutex
  // that cannot be created throws nothing: its TryWait gives Other, as a failed wait would.
  explicit NamedMutex(const std::string& name);
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;
  ~NamedMutex();

  // Waits with a time-out of 0 ms: Object0 when this process owns the mutex.
  WaitResult TryWait();

 private:
  std::intptr_t handle_;
  bool owned_ = false;
};

}  // namespace veyra::platform
