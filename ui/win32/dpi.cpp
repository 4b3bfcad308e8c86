// The display-scale functions of Windows 8.1 and 10, looked up at run time, and what Windows 7
// and 8 do instead. The types above the lookups are written out here because the headers, at
// the Windows 7 level this code is compiled for, rightly hide these functions.
#include "ui/win32/dpi.h"

#include <bit>
#include <string>

#include "ui/win32/module_path.h"

namespace wyc::ui::win32 {

namespace {

// MDT_EFFECTIVE_DPI: the DPI the user's scale setting asks for, not the panel's physical one.
constexpr int kEffectiveDpi = 0;

template <typename Function>
void Find(FunctionFinder find, HMODULE library, const char* name, Function& function) {
  const FARPROC address = library != nullptr ? find(library, name) : nullptr;
  function = address != nullptr ? std::bit_cast<Function>(address) : nullptr;
}

// The session's one DPI, as Windows 7 and 8 know it.
UINT ScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return kDesignDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

}  // namespace

FARPROC FindExportedFunction(HMODULE library, const char* name) {
  return GetProcAddress(library, name);
}

DpiFunctions::DpiFunctions(FunctionFinder find) {
  // Every window program has user32.dll loaded, so its handle needs no reference of its own.
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  Find(find, user32, "GetDpiForWindow", getDpiForWindow_);
  Find(find, user32, "GetDpiForSystem", getDpiForSystem_);
  Find(find, user32, "SystemParametersInfoForDpi", systemParametersInfoForDpi_);
  Find(find, user32, "AdjustWindowRectExForDpi", adjustWindowRectExForDpi_);
  if (getDpiForWindow_ != nullptr) return;
  // Windows 7 has no shcore.dll. By its full path only the system's copy can load, never one
  // planted beside the program or on PATH, and its own dependencies come from the same folder.
  const std::wstring system = SystemDirectory();
  if (system.empty()) return;
  shcore_.reset(
      LoadLibraryExW((system + L"\\shcore.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  Find(find, shcore_.get(), "GetDpiForMonitor", getDpiForMonitor_);
}

UINT DpiFunctions::windowDpi(HWND window) const {
  if (getDpiForWindow_ != nullptr) {
    if (const UINT dpi = getDpiForWindow_(window); dpi != 0) return dpi;
  }
  if (getDpiForMonitor_ != nullptr) {
    UINT x = 0;
    UINT y = 0;
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (SUCCEEDED(getDpiForMonitor_(monitor, kEffectiveDpi, &x, &y)) && x != 0) return x;
  }
  return systemDpi();
}

UINT DpiFunctions::systemDpi() const {
  return getDpiForSystem_ != nullptr ? getDpiForSystem_() : ScreenDpi();
}

std::optional<LOGFONTW> DpiFunctions::messageFont(UINT dpi) const {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (systemParametersInfoForDpi_ != nullptr &&
      systemParametersInfoForDpi_(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
    return metrics.lfMessageFont;
  }
  // Metrics at the system DPI, scaled by hand to the window's, which differs on a second
  // monitor under Windows 8.1.
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    return std::nullopt;
  }
  metrics.lfMessageFont.lfHeight =
      MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
  return metrics.lfMessageFont;
}

bool DpiFunctions::adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) const {
  if (adjustWindowRectExForDpi_ != nullptr) {
    return adjustWindowRectExForDpi_(&rect, style, FALSE, exStyle, dpi) != FALSE;
  }
  // Before Windows 10 1607 the frame is drawn at the system DPI on every monitor.
  return AdjustWindowRectEx(&rect, style, FALSE, exStyle) != FALSE;
}

}  // namespace wyc::ui::win32
