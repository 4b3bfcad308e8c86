// Where the running program lives, and the Windows directory.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace wyc::ui::win32 {

// The directory of the running executable, without a trailing separator except for a drive
// root, which keeps it ("D:\\tools\\a.exe" -> "D:\\tools", "D:\\a.exe" -> "D:\\"); empty on
// failure.
std::wstring ApplicationDirectory();

// The Windows directory (GetWindowsDirectoryW); empty on failure.
std::wstring WindowsDirectory();

}  // namespace wyc::ui::win32
