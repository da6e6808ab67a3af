// The running process and the processes it starts, on Windows.
#include "platform/process.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace veyra::platform {

using win32::Narrow;
using win32::Widen;

std::string CommandLine() { return Narrow(::GetCommandLineW()); }

std::optional<std::string> EnvironmentVariable(const std::string& name) {
  const std::wstring wideName = Widen(name);
  std::wstring value;
  for (;;) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD needed = ::GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                   static_cast<DWORD>(value.size() + 1));
    if (needed == 0) {
      if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (needed <= value.size()) {
      value.resize(needed);
      return Narrow(value);
    }
    value.resize(needed);
  }
}

std::string CurrentDirectory() {
  std::wstring folder;
  for (;;) {
    const DWORD needed =
        ::GetCurrentDirectoryW(static_cast<DWORD>(folder.size() + 1), folder.data());
    if (needed <= folder.size()) {
      folder.resize(needed);
      return Narrow(folder);
    }
    folder.resize(needed);
  }
}

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

void ExitProcess(int code) { ::ExitProcess(static_cast<UINT>(code)); }

bool ShellOpen(const std::string& target, const std::string& parameters) {
  const std::wstring wideParameters = Widen(parameters);
  const HINSTANCE result = ::ShellExecuteW(
      nullptr, L"open", Widen(target).c_str(),
      wideParameters.empty() ? nullptr : wideParameters.c_str(), nullptr, SW_SHOWNORMAL);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool StartHiddenIdleProcess(const std::string& commandLine) {
  // CreateProcessW may write into the command line it is given.
  std::wstring wideCommandLine = Widen(commandLine);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(nullptr, wideCommandLine.data(), nullptr, nullptr, FALSE,
                        IDLE_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return true;
}

}  // namespace veyra::platform
