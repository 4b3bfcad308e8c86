// The display-scale fallbacks of Windows 7 and 8.1 against what Windows 10's functions give on
// the same (single-monitor) system, at whatever DPI the Wine prefix is set to.
#include "ui/win32/dpi.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <utility>

#include "tests/ui/win32/older_windows.h"
#include "ui/win32/module_path.h"

namespace wyc::ui::win32 {
namespace {

namespace fs = std::filesystem;

struct OlderWindows {
  const char* name;
  FunctionFinder find;
};
constexpr std::array kOlderWindows{OlderWindows{"Windows 7", &FindAsWindows7},
                                   OlderWindows{"Windows 8.1", &FindAsWindows81}};

// A plain top-level window, destroyed at the end of the test.
struct TestWindow {
  HWND handle = CreateWindowExW(0, L"STATIC", L"dpi", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
  ~TestWindow() { DestroyWindow(handle); }
  TestWindow() = default;
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
};

TEST(DpiFunctionsTest, OlderWindowsGiveWhatWindows10GivesAtTheSystemDpi) {
  const DpiFunctions windows10;
  const TestWindow window;
  const UINT systemDpi = windows10.systemDpi();
  const LOGFONTW expected = windows10.messageFont(systemDpi).value();
  for (const auto& [name, find] : kOlderWindows) {
    const DpiFunctions older(find);
    EXPECT_EQ(older.systemDpi(), systemDpi) << name;
    EXPECT_EQ(older.windowDpi(window.handle), windows10.windowDpi(window.handle)) << name;
    const LOGFONTW font = older.messageFont(systemDpi).value();
    EXPECT_EQ((std::pair{font.lfHeight, std::wstring(font.lfFaceName)}),
              (std::pair{expected.lfHeight, std::wstring(expected.lfFaceName)}))
        << name;
    // On a second monitor at twice the system's DPI (Windows 8.1), the font doubles too; the
    // metrics' own rounding may differ from Windows 10's by a pixel.
    EXPECT_NEAR(older.messageFont(2 * systemDpi).value().lfHeight,
                windows10.messageFont(2 * systemDpi).value().lfHeight, 1)
        << name;
    RECT frame{0, 0, 688, 528};
    RECT expectedFrame = frame;
    ASSERT_TRUE(older.adjustWindowRect(frame, WS_OVERLAPPEDWINDOW, 0, systemDpi));
    ASSERT_TRUE(windows10.adjustWindowRect(expectedFrame, WS_OVERLAPPEDWINDOW, 0, systemDpi));
    EXPECT_EQ((std::array{frame.left, frame.top, frame.right, frame.bottom}),
              (std::array{expectedFrame.left, expectedFrame.top, expectedFrame.right,
                          expectedFrame.bottom}))
        << name;
  }
}

TEST(DpiFunctionsTest, LoadsShcoreFromTheSystemDirectoryAndNeverAPlantedOne) {
  // The planted library reports 333 dpi for every monitor; the system's reports the real one.
  const fs::path here = ApplicationDirectory();
  const fs::path planted = here / "planted" / "shcore.dll";
  ASSERT_TRUE(fs::exists(planted));
  fs::copy_file(planted, here / "shcore.dll", fs::copy_options::overwrite_existing);
  const fs::path previous = fs::current_path();
  fs::current_path(planted.parent_path());
  SetEnvironmentVariableW(L"PATH", planted.parent_path().c_str());
  const TestWindow window;
  const UINT dpi = DpiFunctions(&FindAsWindows81).windowDpi(window.handle);
  fs::current_path(previous);
  fs::remove(here / "shcore.dll");
  EXPECT_EQ(dpi, DpiFunctions().windowDpi(window.handle));
}

}  // namespace
}  // namespace wyc::ui::win32
