// Process start for the web links.
#include "ui/win32/launch.h"

#include <vector>

#include "ui/win32/handles.h"
#include "ui/win32/module_path.h"
#include "ui/win32/text_conversion.h"

namespace wyc::ui::win32 {

ProcessLaunch BrowserLaunch(std::wstring_view windowsDirectory, std::wstring_view address) {
  ProcessLaunch launch;
  launch.applicationName = std::wstring(windowsDirectory) + L"\\explorer.exe";
  launch.commandLine = L"explorer.exe " + std::wstring(address);
  launch.showWindow = SW_SHOWMINIMIZED;
  return launch;
}

bool StartProcess(const ProcessLaunch& launch) {
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::vector<wchar_t> commandLine(launch.commandLine.begin(), launch.commandLine.end());
  commandLine.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = launch.showWindow;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(launch.applicationName.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  // Nothing waits for the browser: both handles go at once.
  const UniqueHandle processHandle(process.hProcess);
  const UniqueHandle threadHandle(process.hThread);
  return true;
}

bool OpenAddress(std::wstring_view address, const ProcessStarter& start) {
  const std::wstring windowsDirectory = WindowsDirectory();
  if (windowsDirectory.empty()) return false;
  return start(BrowserLaunch(windowsDirectory, address));
}

bool ExplorerLauncher::open(std::u16string_view address) { return OpenAddress(ToWide(address)); }

}  // namespace wyc::ui::win32
