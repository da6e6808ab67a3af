// A named mutex of Windows, created with initial ownership.
#include "platform/mutex.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace veyra::platform {
namespace {

HANDLE ToHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

// When the mutex exists already, CreateMutexW opens it and the initial ownership is not granted.
// When it cannot be created the handle stays null, and a wait on it fails.
NamedMutex::NamedMutex(const std::string& name)
    : handle_(reinterpret_cast<std::intptr_t>(
          ::CreateMutexW(nullptr, TRUE, win32::Widen(name).c_str()))) {
  owned_ = handle_ != 0 && ::GetLastError() != ERROR_ALREADY_EXISTS;
}

// Gives up every ownership this thread holds, so that a mutex released before the process ends
// is free for the next owner rather than abandoned.
NamedMutex::~NamedMutex() {
  if (handle_ == 0) return;
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
