// Function finders that stand for older Windows: Wine's own libraries have every function, so
// only these reach the fallbacks that Windows 7, 8 and 8.1 take.
#pragma once

#include <windows.h>

#include <string_view>

namespace wyc::ui::win32 {

// Windows 7 and 8: none of the display-scale functions.
inline FARPROC FindAsWindows7(HMODULE, const char*) { return nullptr; }

// Windows 8.1: the monitor's DPI from shcore.dll, nothing of Windows 10.
inline FARPROC FindAsWindows81(HMODULE library, const char* name) {
  return std::string_view(name) == "GetDpiForMonitor" ? GetProcAddress(library, name) : nullptr;
}

}  // namespace wyc::ui::win32
