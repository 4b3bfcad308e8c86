// The clipboard helpers against the real clipboard, including one held by another process.
#include "ui/win32/clipboard.h"

#include <gtest/gtest.h>

#include "tests/ui/win32/clipboard_holder_process.h"
#include "tests/ui/win32/test_support.h"

namespace wyc::ui::win32 {
namespace {

using testing::ClipboardText;

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, L"STATIC", L"owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                             nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }
  HWND owner_ = nullptr;
};

TEST_F(ClipboardTest, TextGoesOnAsUnicodeWithItsLineBreaks) {
  for (const std::wstring& text : {std::wstring(L"a\r\n\r\nb"), std::wstring(L"朔屿伪原创工具"),
                                   std::wstring(), std::wstring(70000, L'x')}) {
    ASSERT_TRUE(ClearClipboard(owner_));
    ASSERT_TRUE(SetClipboardText(owner_, text));
    EXPECT_EQ(ClipboardText(), text) << "row of length " << text.size();
  }
}

TEST_F(ClipboardTest, ClearingRemovesEveryFormat) {
  ASSERT_TRUE(SetClipboardText(owner_, L"before"));
  ASSERT_TRUE(ClearClipboard(owner_));
  ASSERT_TRUE(OpenClipboard(nullptr));
  const int formats = CountClipboardFormats();
  CloseClipboard();
  EXPECT_EQ(formats, 0);
  EXPECT_EQ(ClipboardText(), std::nullopt);
}

TEST_F(ClipboardTest, RetriesUntilAnotherProcessLetsGoAndGivesUpWhenItDoesNot) {
  struct Row {
    DWORD holdMs;
    bool written;
  };
  // Ten tries 100 ms apart wait out a short hold, not a long one.
  for (const Row row : {Row{300, true}, Row{4000, false}}) {
    ASSERT_TRUE(SetClipboardText(owner_, L"before"));
    testing::ClipboardHolderProcess holder(row.holdMs);
    ASSERT_TRUE(holder.holding());
    EXPECT_EQ(SetClipboardText(owner_, L"after"), row.written) << "hold " << row.holdMs;
    holder.wait();
    EXPECT_EQ(ClipboardText(), row.written ? L"after" : L"before") << "hold " << row.holdMs;
  }
}

}  // namespace
}  // namespace wyc::ui::win32
