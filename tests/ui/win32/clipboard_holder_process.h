// Runs the clipboard_holder helper: another process that holds the clipboard open for a while.
#pragma once

#include <windows.h>

#include <string>

#include "tests/ui/win32/test_support.h"
#include "ui/win32/handles.h"

namespace wyc::ui::win32::testing {

class ClipboardHolderProcess {
 public:
  // Starts the helper and waits until it holds the clipboard.
  explicit ClipboardHolderProcess(DWORD holdMs) {
    const std::wstring eventName = L"wyc-clipboard-held-" + std::to_wstring(GetCurrentProcessId()) +
                                   L"-" + std::to_wstring(GetTickCount64());
    ready_.reset(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
    if (!ready_) return;
    std::wstring commandLine = L"\"" + TestProgramDirectory() + L"\\clipboard_holder.exe\" " +
                               eventName + L" " + std::to_wstring(holdMs);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
      return;
    }
    process_.reset(info.hProcess);
    const UniqueHandle thread(info.hThread);
    const HANDLE waitFor[] = {ready_.get(), process_.get()};
    holding_ = WaitForMultipleObjects(2, waitFor, FALSE, 30000) == WAIT_OBJECT_0;
  }
  ~ClipboardHolderProcess() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.get(), 1);
    }
  }
  ClipboardHolderProcess(const ClipboardHolderProcess&) = delete;
  ClipboardHolderProcess& operator=(const ClipboardHolderProcess&) = delete;

  [[nodiscard]] bool holding() const { return holding_; }
  // Waits until the helper has let go and ended.
  void wait() const {
    if (process_) WaitForSingleObject(process_.get(), 30000);
  }

 private:
  UniqueHandle ready_;
  UniqueHandle process_;
  bool holding_ = false;
};

}  // namespace wyc::ui::win32::testing
