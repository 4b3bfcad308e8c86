// Where the running program lives, and the Windows and system directories.
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

// The system directory (GetSystemDirectoryW), where Windows keeps its own libraries; empty on
// failure.
std::wstring SystemDirectory();

}  // namespace wyc::ui::win32
