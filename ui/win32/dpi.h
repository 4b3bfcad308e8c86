// The display scale on every Windows from 7 SP1 on. This is the one place that asks for
// functions of a later Windows: each is looked up once, by name, and has a fallback that a
// Windows without it gets.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/win32/handles.h"

namespace wyc::ui::win32 {

// The DPI the layout table's pixels are given at: 100 %.
inline constexpr UINT kDesignDpi = 96;

// Finds an exported function of a loaded system library, as GetProcAddress does. A test passes
// one that finds less, to stand for an older Windows.
using FunctionFinder = FARPROC (*)(HMODULE library, const char* name);

// GetProcAddress itself.
FARPROC FindExportedFunction(HMODULE library, const char* name);

// Windows 10 1607 and later scale each window for its monitor (GetDpiForWindow and the
// *ForDpi functions); 8.1 and the first releases of 10 give only the monitor's DPI
// (GetDpiForMonitor in shcore.dll); 7 and 8 have one DPI for the whole session.
class DpiFunctions {
 public:
  explicit DpiFunctions(FunctionFinder find = &FindExportedFunction);

  // The DPI `window` is drawn at.
  [[nodiscard]] UINT windowDpi(HWND window) const;
  // The DPI the system's metrics are given at when no other is asked for.
  [[nodiscard]] UINT systemDpi() const;
  // The desktop's message font for a window at `dpi`.
  [[nodiscard]] std::optional<LOGFONTW> messageFont(UINT dpi) const;
  // Grows a client rectangle at `dpi` into the window rectangle around it.
  bool adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) const;

 private:
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  using GetDpiForSystemFunction = UINT(WINAPI*)();
  using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

  GetDpiForWindowFunction getDpiForWindow_ = nullptr;
  GetDpiForSystemFunction getDpiForSystem_ = nullptr;
  SystemParametersInfoForDpiFunction systemParametersInfoForDpi_ = nullptr;
  AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi_ = nullptr;
  // Loaded only where GetDpiForWindow is missing; the pointer below lives as long as it.
  UniqueModule shcore_;
  GetDpiForMonitorFunction getDpiForMonitor_ = nullptr;
};

}  // namespace wyc::ui::win32
