// Opening a web address through the Windows directory's explorer.exe.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/ports.h"

namespace wyc::ui::win32 {

// Everything handed to CreateProcessW.
struct ProcessLaunch {
  std::wstring applicationName;  // full path of the program
  std::wstring commandLine;      // as the program sees it
  WORD showWindow = SW_SHOWNORMAL;
};

// Starts the process without waiting for it; false when it could not be started.
using ProcessStarter = std::function<bool(const ProcessLaunch&)>;

// "explorer.exe " + address, run from `windowsDirectory` by its full path so that an
// explorer.exe in the application or current directory is never picked, shown minimized.
ProcessLaunch BrowserLaunch(std::wstring_view windowsDirectory, std::wstring_view address);

// CreateProcessW with both handles closed at once.
bool StartProcess(const ProcessLaunch& launch);

// Opens `address` in the web browser through `start`.
bool OpenAddress(std::wstring_view address, const ProcessStarter& start = StartProcess);

class ExplorerLauncher final : public AddressLauncher {
 public:
  bool open(std::u16string_view address) override;
};

}  // namespace wyc::ui::win32
