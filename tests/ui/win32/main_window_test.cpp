// The real main window: layout at the window's DPI, focus at start, keyboard navigation, Enter,
// wrapping and a long paste kept whole.
#include "ui/win32/main_window.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/ui/win32/window_fixture.h"
#include "ui/form1_texts.h"
#include "ui/win32/clipboard.h"

namespace wyc::ui::win32 {
namespace {

using MainWindowTest = testing::WindowTest;

RECT ClientRectOf(HWND control, HWND parent) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(MainWindowTest, ControlsSitAtTheTablePositionsScaledForTheDpi) {
  const UINT dpi = GetDpiForWindow(window_.handle());
  auto scale = [dpi](int pixels) { return MulDiv(pixels, static_cast<int>(dpi), 96); };
  RECT client{};
  GetClientRect(window_.handle(), &client);
  EXPECT_EQ(client.right, scale(kClientWidth));
  EXPECT_EQ(client.bottom, scale(kClientHeight));
  // A resize moves nothing: the same positions before and after.
  for (const bool resized : {false, true}) {
    if (resized) {
      SetWindowPos(window_.handle(), nullptr, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
      pump();
    }
    for (const ControlSpec& layout : kForm1Controls) {
      const PixelRect expected = layout.pixels();
      const RECT actual = ClientRectOf(control(layout.name), window_.handle());
      EXPECT_EQ(actual.left, scale(expected.x)) << static_cast<int>(layout.name);
      EXPECT_EQ(actual.top, scale(expected.y)) << static_cast<int>(layout.name);
      EXPECT_EQ(actual.right - actual.left, scale(expected.width)) << static_cast<int>(layout.name);
      EXPECT_EQ(actual.bottom - actual.top, scale(expected.height))
          << static_cast<int>(layout.name);
    }
  }
}

int FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return std::abs(font.lfHeight);
}

TEST_F(MainWindowTest, MovingToAMonitorOfAnotherDpiRescalesControlsAndFont) {
  // What Windows sends a per-monitor aware window dragged onto a 150 % monitor.
  const int heightBefore = FontHeight(control(ControlName::Label1));
  RECT suggested{10, 10, 10 + 900, 10 + 700};
  SendMessageW(window_.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT bounds{};
  GetWindowRect(window_.handle(), &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 900);
  EXPECT_EQ(bounds.bottom - bounds.top, 700);
  for (const ControlSpec& layout : kForm1Controls) {
    const PixelRect expected = layout.pixels();
    const RECT actual = ClientRectOf(control(layout.name), window_.handle());
    EXPECT_EQ(actual.left, expected.x * 3 / 2) << static_cast<int>(layout.name);
    EXPECT_EQ(actual.top, expected.y * 3 / 2) << static_cast<int>(layout.name);
    EXPECT_EQ(actual.right - actual.left, MulDiv(expected.width, 3, 2))
        << static_cast<int>(layout.name);
  }
  EXPECT_GT(FontHeight(control(ControlName::Label1)), heightBefore);
}

TEST_F(MainWindowTest, ShowsTheCaptionTextsAndTheMessageFont) {
  std::wstring caption(256, L'\0');
  caption.resize(static_cast<std::size_t>(GetWindowTextW(window_.handle(), caption.data(), 256)));
  EXPECT_EQ(caption, ToWide(texts::kCaption));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  for (const ControlSpec& layout : kForm1Controls) {
    HWND handle = control(layout.name);
    std::wstring shown(512, L'\0');
    shown.resize(static_cast<std::size_t>(GetWindowTextW(handle, shown.data(), 512)));
    EXPECT_EQ(shown, ToWide(layout.text)) << static_cast<int>(layout.name);
    LOGFONTW font{};
    const auto handleFont = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    ASSERT_NE(GetObjectW(handleFont, sizeof(font), &font), 0) << static_cast<int>(layout.name);
    EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
  }
}

TEST_F(MainWindowTest, TabAndShiftTabVisitTheButtonsInOrderAndSkipTheLabels) {
  struct Row {
    ControlName from;
    bool shift;
    ControlName to;
  };
  setText(L"article");
  for (const Row row : {Row{ControlName::Text1, false, ControlName::Command1},
                        Row{ControlName::Command1, false, ControlName::Command2},
                        Row{ControlName::Command2, false, ControlName::Command3},
                        Row{ControlName::Command3, false, ControlName::Text1},
                        Row{ControlName::Text1, true, ControlName::Command3},
                        Row{ControlName::Command2, true, ControlName::Command1},
                        Row{ControlName::Command1, true, ControlName::Text1}}) {
    SetFocus(control(row.from));
    testing::PressKey(VK_TAB, row.shift);
    pumpUntil([&] { return GetFocus() == control(row.to); });
    EXPECT_EQ(GetFocus(), control(row.to))
        << static_cast<int>(row.from) << (row.shift ? " shift+tab" : " tab");
  }
  settle();
  EXPECT_EQ(text(), L"article") << "Tab is not typed into the box";
}

TEST_F(MainWindowTest, StartsWithTheFocusInTheBoxHoldingThePlaceholder) {
  EXPECT_EQ(GetFocus(), control(ControlName::Text1));
  EXPECT_EQ(text(), ToWide(texts::kPlaceholder));
}

TEST_F(MainWindowTest, EnterInsertsALineBreakInsteadOfPressingAButton) {
  setText(L"ab");
  SendMessageW(control(ControlName::Text1), EM_SETSEL, 1, 1);
  testing::PressKey(VK_RETURN);
  pumpUntil([this] { return text().size() > 2; });
  settle();
  EXPECT_EQ(text(), L"a\r\nb");
  EXPECT_EQ(GetFocus(), control(ControlName::Text1));
  EXPECT_TRUE(recording_->opened.empty());
  EXPECT_EQ(recording_->clipboardWrites, 0);
}

TEST_F(MainWindowTest, EscapeClosesNothing) {
  // There is no cancel button; a multi-line edit in dialog mode would post WM_CLOSE on Esc.
  setText(L"article");
  for (const ControlName focus : {ControlName::Text1, ControlName::Command1}) {
    SetFocus(control(focus));
    testing::PressKey(VK_ESCAPE);
    settle();
    ASSERT_TRUE(IsWindow(window_.handle())) << static_cast<int>(focus);
    EXPECT_EQ(GetFocus(), control(focus));
  }
  EXPECT_EQ(text(), L"article");
}

TEST_F(MainWindowTest, LongLinesWrapWithoutScrollBars) {
  setText(std::wstring(2000, L'w'));
  HWND box = control(ControlName::Text1);
  EXPECT_GT(SendMessageW(box, EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
}

TEST_F(MainWindowTest, APasteOfAHundredThousandCharactersIsKeptWhole) {
  // Taller than the box and longer than the edit control's default limit.
  std::wstring article;
  for (int line = 0; article.size() < 100000; ++line) {
    article += std::wstring(98, static_cast<wchar_t>(L'a' + line % 26)) + L"\r\n";
  }
  article.resize(100000);
  ASSERT_TRUE(SetClipboardText(window_.handle(), article));
  HWND box = control(ControlName::Text1);
  SendMessageW(box, EM_SETSEL, 0, -1);
  testing::PressKey('V', false, true);
  pumpUntil([&] { return text().size() >= article.size(); });
  settle();
  EXPECT_EQ(text().size(), article.size());
  EXPECT_TRUE(text() == article);
}

}  // namespace
}  // namespace wyc::ui::win32
