// The display-scale fallbacks of Windows 7 and 8.1 against what Windows 10's functions give on
// the same (single-monitor) system, at whatever DPI the Wine prefix is set to; the window's own
// layout on each is MainWindowTest's.
#include "ui/win32/dpi.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/ui/win32/older_windows.h"
#include "ui/win32/module_path.h"

namespace wyc::ui::win32 {
namespace {

namespace fs = std::filesystem;

TEST(DpiFunctionsTest, OlderWindowsGiveTheSystemDpiAndScaleTheFontFromIt) {
  const DpiFunctions windows10;
  const UINT dpi = windows10.systemDpi();
  for (const FunctionFinder find : {&FindAsWindows7, &FindAsWindows81}) {
    const DpiFunctions older(find);
    EXPECT_EQ(older.systemDpi(), dpi);
    // On a second monitor at twice the system's DPI (Windows 8.1) the font doubles too; the
    // metrics' own rounding may differ from Windows 10's by a pixel.
    EXPECT_NEAR(older.messageFont(2 * dpi).value().lfHeight,
                windows10.messageFont(2 * dpi).value().lfHeight, 1);
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
  const UINT dpi = DpiFunctions(&FindAsWindows81).windowDpi(GetDesktopWindow());
  fs::current_path(previous);
  fs::remove(here / "shcore.dll");
  EXPECT_EQ(dpi, DpiFunctions().windowDpi(GetDesktopWindow()));
}

}  // namespace
}  // namespace wyc::ui::win32
