// The Win32 window's paste and rewrite of a 10 MB article, timed as window_bench times the Qt
// window: from the paste to the repainted window, then from the click on "开始伪原创" to the
// repainted window with the result on the clipboard. MinGW has no Google Benchmark here, so it
// times itself and prints the same JSON fields, for bench/window/window_ab.py to run under Wine.
// Usage: win32_window_bench.exe [--iterations=N]   (other --benchmark_* options are ignored)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bench/window/window_article.h"
#include "core/random_source.h"
#include "ui/form1.h"
#include "ui/system_clock.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/launch.h"
#include "ui/win32/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Paints what is still to be painted in the window and its controls, then handles whatever else
// waits, as the message loop would before the user sees the result.
void Settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    wyc::ui::win32::DeliverMessage(window, message);
  }
}

std::size_t ClipboardLength(HWND owner) {
  std::size_t length = 0;
  if (!OpenClipboard(owner)) return 0;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data)); text != nullptr) {
      length = std::wstring_view(text).size();
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return length;
}

}  // namespace

int main(int argc, char** argv) {
  // Fewer than window_bench's 5: under Wine one iteration takes seconds, in Wine's edit control.
  int iterations = 3;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.starts_with("--iterations=")) iterations = std::atoi(arg.data() + 13);
  }
  wyc::ui::win32::MainWindow window(wyc::ui::win32::OnDestroy::KeepRunning);
  if (!window.create(GetModuleHandleW(nullptr), nullptr)) return 1;
  wyc::ui::win32::Win32Clipboard clipboard(window.handle());
  wyc::ui::win32::ExplorerLauncher launcher;
  wyc::ui::SystemClock clock;
  wyc::ui::Form1 form(window, {.clipboard = clipboard,
                               .launcher = launcher,
                               .clock = clock,
                               .random = wyc::ProcessRandomSource()});
  window.bind(form);
  window.show(SW_SHOWNORMAL);
  Settle(window.handle());
  HWND box = window.control(wyc::ui::ControlName::Text1);
  HWND start = window.control(wyc::ui::ControlName::Command1);
  // CR LF-separated, as text arrives from another Windows program.
  const std::u16string article = wyc::bench::WindowArticle(100'000, 42, u"\r\n");
  double paste = 0;
  double rewrite = 0;
  for (int i = 0; i < iterations; ++i) {
    SetWindowTextW(box, L"");
    if (!clipboard.setText(article)) return 1;
    SetFocus(box);
    Settle(window.handle());

    const auto t0 = Clock::now();
    SendMessageW(box, WM_PASTE, 0, 0);
    Settle(window.handle());
    paste += Milliseconds(t0);

    const auto t1 = Clock::now();
    SendMessageW(start, BM_CLICK, 0, 0);
    Settle(window.handle());
    rewrite += Milliseconds(t1);

    if (ClipboardLength(window.handle()) < article.size() / 2) {
      std::fputs("win32_window_bench: the clipboard did not receive the rewritten article\n",
                 stderr);
      return 1;
    }
  }
  const double n = iterations;
  std::printf(
      "{\"benchmarks\": [{\"name\": \"Large10MB\", \"iterations\": %d, \"real_time\": %.3f, "
      "\"time_unit\": \"ms\", \"paste_ms\": %.3f, \"rewrite_ms\": %.3f, \"chars\": %zu}]}\n",
      iterations, (paste + rewrite) / n, paste / n, rewrite / n, article.size());
  return 0;
}
