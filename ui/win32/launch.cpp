// Process start for the web links.
#include "ui/win32/launch.h"

#include <windows.h>

#include <string>

#include "ui/win32/handles.h"
#include "ui/win32/module_path.h"
#include "ui/win32/text_conversion.h"

namespace wyc::ui::win32 {

bool StartExplorer(std::wstring_view windowsDirectory, std::wstring_view address) {
  const std::wstring program = std::wstring(windowsDirectory) + L"\\explorer.exe";
  // CreateProcessW may write into the command line, so it gets a string of its own.
  std::wstring commandLine = L"explorer.exe " + std::wstring(address);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  // Nothing waits for the browser: both handles go at once.
  const UniqueHandle processHandle(process.hProcess);
  const UniqueHandle threadHandle(process.hThread);
  return true;
}

bool ExplorerLauncher::open(std::u16string_view address) {
  const std::wstring windowsDirectory = WindowsDirectory();
  return !windowsDirectory.empty() && StartExplorer(windowsDirectory, ToWide(address));
}

}  // namespace wyc::ui::win32
