// Where the running program lives, and the Windows directory.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace wyc::ui::win32 {

// The full path of a loaded module, however long; empty on failure.
std::wstring ModuleFileName(HMODULE module);

// The directory part of a file path without a trailing separator, except for a drive root,
// which keeps it ("D:\\tools\\a.exe" -> "D:\\tools", "D:\\a.exe" -> "D:\\").
std::wstring DirectoryOf(std::wstring_view filePath);

// The directory of the running executable.
std::wstring ApplicationDirectory();

// The Windows directory (GetWindowsDirectoryW); empty on failure.
std::wstring WindowsDirectory();

}  // namespace wyc::ui::win32
