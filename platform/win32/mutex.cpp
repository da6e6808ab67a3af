// A named mutex of Windows, created with initial ownership.
#include "platform/mutex.h"

#include <windows.h>

#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

namespace veyra::platform {
namespace {

HANDLE ToHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

// When the mutex exists already, CreateMutexW opens it and the initial ownership is not granted.
NamedMutex::NamedMutex(const std::string& name) {
  const HANDLE mutex = ::CreateMutexW(nullptr, TRUE, win32::Widen(name).c_str());
  if (mutex == nullptr) throw win32::SystemError("cannot create the mutex " + name);
  owned_ = ::GetLastError() != ERROR_ALREADY_EXISTS;
  handle_ = reinterpret_cast<std::intptr_t>(mutex);
}

// Gives up every ownership this thread holds, so that a mutex released before the process ends
// is free for the next owner rather than abandoned.
NamedMutex::~NamedMutex() {
  if (owned_) {
    while (::ReleaseMutex(ToHandle(handle_))) {
    }
  }
  ::CloseHandle(ToHandle(handle_));
}

WaitResult NamedMutex::TryWait() {
  if (::WaitForSingleObject(ToHandle(handle_), 0) != WAIT_OBJECT_0) return WaitResult::Other;
  owned_ = true;
  return WaitResult::Object0;
}

}  // namespace veyra::platform
