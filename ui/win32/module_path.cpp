// Module and directory paths from the Windows API.
#include "ui/win32/module_path.h"

namespace wyc::ui::win32 {

namespace {

// Paths on Windows stop at 32,767 characters; a buffer of this size always holds one.
constexpr DWORD kLongestPath = 32768;

// The full path of a loaded module, however long; empty on failure.
std::wstring ModuleFileName(HMODULE module) {
  // GetModuleFileNameW truncates silently (returning the buffer size) when the path is longer
  // than MAX_PATH, so the buffer grows until the whole path fits.
  for (DWORD size = MAX_PATH; size <= kLongestPath; size *= 2) {
    std::wstring path(size, L'\0');
    const DWORD length = GetModuleFileNameW(module, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
  }
  return {};
}

// The directory part of a file path, as ApplicationDirectory gives it.
std::wstring DirectoryOf(std::wstring_view filePath) {
  const auto separator = filePath.find_last_of(L"\\/");
  if (separator == std::wstring_view::npos) return {};
  std::wstring_view directory = filePath.substr(0, separator);
  // "D:" alone would mean the drive's current directory, not its root.
  if (!directory.empty() && directory.back() == L':') directory = filePath.substr(0, separator + 1);
  return std::wstring(directory);
}

// A folder that GetWindowsDirectoryW or GetSystemDirectoryW names; empty on failure.
std::wstring SystemFolder(UINT(WINAPI* query)(LPWSTR, UINT)) {
  std::wstring directory(MAX_PATH, L'\0');
  UINT length = query(directory.data(), MAX_PATH);
  if (length >= MAX_PATH) {
    // The result is the size needed, terminator included.
    directory.resize(length);
    length = query(directory.data(), length);
  }
  if (length == 0 || length >= directory.size()) return {};
  directory.resize(length);
  return directory;
}

}  // namespace

std::wstring ApplicationDirectory() { return DirectoryOf(ModuleFileName(nullptr)); }

std::wstring WindowsDirectory() { return SystemFolder(&GetWindowsDirectoryW); }

std::wstring SystemDirectory() { return SystemFolder(&GetSystemDirectoryW); }

}  // namespace wyc::ui::win32
