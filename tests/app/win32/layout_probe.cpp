// Reads the running program's window from outside, at whatever display scale the session has:
// its client area and each control's rectangle against the layout table scaled to the DPI
// given, and that Windows draws it at that DPI itself rather than stretching a 96-dpi bitmap.
// Prints what it found; exit status 1 on any difference.
// Usage: layout_probe.exe DPI
#include <windows.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/form1_layout.h"
#include "ui/win32/text_conversion.h"

namespace {

using wyc::ui::kForm1Controls;

// DPI_AWARENESS_PER_MONITOR_AWARE; the two functions exist from Windows 10 1607 on, as in Wine.
constexpr int kPerMonitorAware = 2;
using GetWindowDpiAwarenessContextFunction = HANDLE(WINAPI*)(HWND);
using GetAwarenessFromDpiAwarenessContextFunction = int(WINAPI*)(HANDLE);

// How the window's process declared itself; -1 where the functions are missing.
int AwarenessOf(HWND window) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const FARPROC context = GetProcAddress(user32, "GetWindowDpiAwarenessContext");
  const FARPROC awareness = GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext");
  if (context == nullptr || awareness == nullptr) return -1;
  return std::bit_cast<GetAwarenessFromDpiAwarenessContextFunction>(awareness)(
      std::bit_cast<GetWindowDpiAwarenessContextFunction>(context)(window));
}

bool Check(const char* what, RECT found, RECT wanted) {
  const bool same = EqualRect(&found, &wanted) != FALSE;
  std::printf("%-9s %5ld %5ld %5ld %5ld%s\n", what, found.left, found.top, found.right - found.left,
              found.bottom - found.top, same ? "" : "  <- wrong");
  if (!same) {
    std::printf("%-9s %5ld %5ld %5ld %5ld  <- wanted\n", "", wanted.left, wanted.top,
                wanted.right - wanted.left, wanted.bottom - wanted.top);
  }
  return same;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const int dpi = std::atoi(argv[1]);
  // This probe sees the other window in the session's own pixels, not in 96-dpi ones.
  SetProcessDPIAware();
  const std::wstring caption = wyc::ui::win32::ToWide(wyc::ui::texts::kCaption);
  HWND window = FindWindowW(L"WeiyuanchuangForm1", caption.c_str());
  if (window == nullptr) {
    std::puts("layout_probe: no window of the program");
    return 1;
  }
  const auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  bool same = true;
  RECT client{};
  GetClientRect(window, &client);
  same &=
      Check("client", client, {0, 0, scale(wyc::ui::kClientWidth), scale(wyc::ui::kClientHeight)});
  // The controls were created in the order of the layout table, which is their z-order.
  HWND control = GetWindow(window, GW_CHILD);
  for (const auto& row : kForm1Controls) {
    const auto table = row.pixels();
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    const std::string name(wyc::ui::NameOf(row.name));
    same &= Check(name.c_str(), rect,
                  {scale(table.x), scale(table.y), scale(table.x) + scale(table.width),
                   scale(table.y) + scale(table.height)});
    control = GetWindow(control, GW_HWNDNEXT);
  }
  const int awareness = AwarenessOf(window);
  std::printf("awareness %d%s\n", awareness, awareness == kPerMonitorAware ? "" : "  <- stretched");
  return same && awareness == kPerMonitorAware ? 0 : 1;
}
