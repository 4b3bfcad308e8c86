// The Win32 backend against the real system under Wine: the layout at the system DPI on every
// Windows and at another DPI, the focus, a new text's view and undo, the clipboard while another
// holds it, and the start of explorer.exe and of the skin engine, each through a stand-in that
// records how it was called.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "tests/ui/win32/older_windows.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/launch.h"
#include "ui/win32/main_window.h"
#include "ui/win32/module_path.h"
#include "ui/win32/skin.h"

namespace wyc::ui::win32 {
namespace {

namespace fs = std::filesystem;
const fs::path kHere = ApplicationDirectory();
const fs::path kScratch = fs::temp_directory_path();

// Where a control lies in the window's client area, and its font's height.
struct Placed {
  std::array<LONG, 4> rect;  // left, top, width, height
  LONG fontHeight;
  friend bool operator==(const Placed&, const Placed&) = default;
};

Placed PlacedOf(HWND window, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return {{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}, font.lfHeight};
}

// Whether the control's text, in its own font, fits its box on one line.
bool TextFits(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  RECT box{};
  GetClientRect(control, &box);
  HDC dc = GetDC(control);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return extent.cx <= box.right && extent.cy <= box.bottom;
}

// The client area's size, then each control in the order of the layout table.
std::vector<Placed> LayoutOf(const MainWindow& window) {
  RECT client{};
  GetClientRect(window.handle(), &client);
  std::vector<Placed> layout{{{0, 0, client.right, client.bottom}, 0}};
  for (const ControlSpec& row : kForm1Controls) {
    layout.push_back(PlacedOf(window.handle(), window.control(row.name)));
  }
  return layout;
}

TEST(MainWindowTest, LaysOutAtTheSystemDpiOnEveryWindows) {
  MainWindow windows10(OnDestroy::KeepRunning);
  ASSERT_TRUE(windows10.create(GetModuleHandleW(nullptr), nullptr));
  const std::vector<Placed> expected = LayoutOf(windows10);
  // The layout table scaled to the system DPI, and the message font at that DPI.
  const auto dpi = static_cast<int>(DpiFunctions().systemDpi());
  const auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  EXPECT_EQ(expected[0].rect,
            (std::array<LONG, 4>{0, 0, scale(kClientWidth), scale(kClientHeight)}));
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    const PixelRect table = kForm1Controls[i].pixels();
    EXPECT_EQ(expected[i + 1].rect, (std::array<LONG, 4>{scale(table.x), scale(table.y),
                                                         scale(table.width), scale(table.height)}));
  }
  // Text1 has the desktop's message font at that DPI; the others, where that is too large for
  // their text, a smaller size of it: no text is clipped.
  EXPECT_EQ(expected[1].fontHeight,
            DpiFunctions().messageFont(static_cast<UINT>(dpi)).value().lfHeight);
  for (const ControlSpec& row : kForm1Controls) {
    if (row.kind == ControlKind::TextBox) continue;
    EXPECT_TRUE(TextFits(windows10.control(row.name))) << NameOf(row.name);
    EXPECT_GE(PlacedOf(windows10.handle(), windows10.control(row.name)).fontHeight,
              expected[1].fontHeight)
        << NameOf(row.name);
  }
  for (const FunctionFinder find : {&FindAsWindows7, &FindAsWindows81}) {
    MainWindow older(OnDestroy::KeepRunning, find);
    ASSERT_TRUE(older.create(GetModuleHandleW(nullptr), nullptr));
    EXPECT_EQ(LayoutOf(older), expected);
  }
}

TEST(MainWindowTest, PutsEveryControlInItsPlaceAtANewDpi) {
  MainWindow window(OnDestroy::KeepRunning);
  ASSERT_TRUE(window.create(GetModuleHandleW(nullptr), nullptr));
  // What Windows sends when the window is dragged onto a monitor at 150 %.
  RECT suggested{0, 0, 1200, 900};
  SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  for (const ControlSpec& layout : kForm1Controls) {
    const PixelRect table = layout.pixels();
    RECT rect{};
    GetWindowRect(window.control(layout.name), &rect);
    MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ((std::array{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}),
              (std::array<LONG, 4>{MulDiv(table.x, 3, 2), MulDiv(table.y, 3, 2),
                                   MulDiv(table.width, 3, 2), MulDiv(table.height, 3, 2)}));
  }
}

TEST(MainWindowTest, GivesTheFocusToTheNamedControlButNeverToALabel) {
  MainWindow window(OnDestroy::KeepRunning);
  ASSERT_TRUE(window.create(GetModuleHandleW(nullptr), nullptr));
  window.show(SW_SHOWNORMAL);
  for (const ControlSpec& layout : kForm1Controls) {
    window.focus(ControlName::Text1);
    window.focus(layout.name);
    EXPECT_EQ(GetFocus(), window.control(layout.takesFocus() ? layout.name : ControlName::Text1));
  }
}

TEST(MainWindowTest, ShowsTheStartOfANewTextAndUndoesItInOneStep) {
  MainWindow window(OnDestroy::KeepRunning);
  ASSERT_TRUE(window.create(GetModuleHandleW(nullptr), nullptr));
  window.show(SW_SHOWNORMAL);
  // Far more lines than the box shows, so that a view left at the end would not show the start.
  std::u16string article;
  for (int line = 0; line < 200; ++line) article += u"朔屿\r\n";
  window.replaceText(u"before");
  window.replaceText(article);
  HWND box = window.control(ControlName::Text1);
  DWORD start = 1;
  DWORD end = 1;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0U);
  EXPECT_EQ(end, 0U);
  EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(window.text(), article);
  ASSERT_TRUE(SendMessageW(box, EM_UNDO, 0, 0));
  EXPECT_EQ(window.text(), u"before");
}

TEST(Win32ClipboardTest, WaitsOutAShortHoldAndReportsALongOne) {
  Win32Clipboard clipboard(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                           nullptr, nullptr, nullptr));
  for (const auto& [holdMs, written] : {std::pair<DWORD, bool>{300, true}, {4000, false}}) {
    // This thread's open clipboard is as closed to another as another program's would be.
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto result = std::async(std::launch::async, [&clipboard] { return clipboard.setText(u"a"); });
    Sleep(holdMs);
    CloseClipboard();
    EXPECT_EQ(result.get(), written) << holdMs;
  }
}

TEST(StartExplorerTest, RunsTheOneInTheWindowsDirectoryMinimizedAndNeverAPlantedOne) {
  const fs::path windows = kScratch / "wyc-windows";
  for (const fs::path& folder : {windows, kScratch / "wyc-current", kHere}) {
    fs::create_directories(folder);
    fs::copy_file(kHere / "launch_probe.exe", folder / "explorer.exe",
                  fs::copy_options::overwrite_existing);
    fs::remove(folder / "explorer.exe.txt");
  }
  fs::current_path(kScratch / "wyc-current");
  EXPECT_TRUE(StartExplorer(windows.wstring(), L"http://shuoyu.example"));
  std::string record;
  for (int wait = 0; wait < 500 && std::ranges::count(record, '\n') < 2; ++wait, Sleep(10)) {
    std::ifstream in(windows / "explorer.exe.txt");
    record.assign(std::istreambuf_iterator<char>(in), {});
  }
  fs::remove(kHere / "explorer.exe");
  EXPECT_EQ(record, "explorer.exe http://shuoyu.example\n2\n");
  EXPECT_FALSE(StartExplorer((kScratch / "nowhere").wstring(), L"http://shuoyu.example"));
}

TEST(SkinEngineTest, CallsOnlyTheEngineInItsOwnDirectoryWithAPathTheAnsiCodePageHolds) {
  const fs::path skins = kHere / "skins";
  // Thai is in no Western or Chinese ANSI code page: this folder goes over by its short name.
  const fs::path thai = kScratch / L"\u0E01\u0E02 skin";
  fs::create_directories(thai);
  fs::copy_file(skins / "standin" / "SkinH_VB6.dll", thai / "SkinH_VB6.dll",
                fs::copy_options::overwrite_existing);
  // The stand-in is also in the current directory and on PATH, where it must never be found.
  fs::current_path(skins / "standin");
  SetEnvironmentVariableW(L"PATH", (skins / "standin").c_str());
  for (const auto& [directory, attached] :
       {std::pair(skins / "standin", true), std::pair(thai, true),
        std::pair(skins / "without_export", false), std::pair(kHere, false),
        std::pair(fs::path(), false)}) {
    SetEnvironmentVariableA("WYC_SKIN_CALL", nullptr);
    SkinEngine engine(directory.wstring());
    engine.attach(engine.applicationDirectory() + u"/aero.she", u"");
    std::string call(1024, '\0');
    call.resize(GetEnvironmentVariableA("WYC_SKIN_CALL", call.data(), 1024));
    // "<folder>/aero.she|": the folder as it is where the code page holds it, else another name
    // of the same folder that the code page holds.
    const std::string folder = call.substr(0, call.rfind("/aero.she|"));
    EXPECT_TRUE(attached ? call == folder + "/aero.she|" &&
                               (folder == directory.string() ||
                                (directory == thai && fs::equivalent(folder, thai)))
                         : call.empty())
        << call;
  }
}

}  // namespace
}  // namespace wyc::ui::win32
