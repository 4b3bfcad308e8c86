// Form1's handlers through the real window: the rewrite with its clipboard hand-off and undo,
// a clipboard held by another process, and when the empty-text prompt comes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "tests/ui/win32/clipboard_holder_process.h"
#include "tests/ui/win32/window_fixture.h"
#include "ui/form1_texts.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/system_port.h"

namespace wyc::ui::win32 {
namespace {

using testing::ClipboardText;
using testing::MessageBoxWatcher;

// The real system port: the real clipboard.
class RewriteTest : public testing::WindowTest {
 protected:
  std::unique_ptr<SystemPort> makeSystem(HWND window) override {
    return std::make_unique<Win32SystemPort>(window, testing::TestProgramDirectory());
  }
  // Presses "开始伪原创" and waits until the box changed.
  void runRewrite() {
    const std::wstring before = text();
    SendMessageW(control(ControlName::Command1), BM_CLICK, 0, 0);
    pumpUntil([&] { return text() != before; });
    settle();
  }
  MessageBoxWatcher messages_{
      std::wstring(texts::kApplicationTitle.begin(), texts::kApplicationTitle.end())};
};

constexpr std::wstring_view kArticle = L"a\r\n\r\nb\r\n\r\n\r\nc";

TEST_F(RewriteTest, ShufflesTheLinesAndPutsTheBoxsTextOnTheClipboard) {
  SetClipboardText(window_.handle(), L"old clipboard");
  setText(std::wstring(kArticle));
  runRewrite();
  std::array<std::wstring, 3> lines{L"a", L"b", L"c"};
  bool oneOfTheOrders = false;
  do {
    oneOfTheOrders |= text() == lines[0] + L"\r\n\r\n" + lines[1] + L"\r\n\r\n" + lines[2];
  } while (std::next_permutation(lines.begin(), lines.end()));
  EXPECT_TRUE(oneOfTheOrders) << ::testing::PrintToString(text());
  EXPECT_EQ(ClipboardText(), text());
  EXPECT_TRUE(messages_.seen().empty());
}

TEST_F(RewriteTest, UndoBringsBackTheArticleAsItWas) {
  enum class Undo { Message, CtrlZ };
  for (const Undo undo : {Undo::Message, Undo::CtrlZ}) {
    setText(std::wstring(kArticle));
    runRewrite();
    ASSERT_NE(text(), kArticle);
    HWND box = control(ControlName::Text1);
    if (undo == Undo::Message) {
      SendMessageW(box, EM_UNDO, 0, 0);
    } else {
      SetFocus(box);
      testing::PressKey('Z', false, true);
      pumpUntil([&] { return text() == kArticle; });
    }
    EXPECT_EQ(text(), kArticle) << (undo == Undo::Message ? "EM_UNDO" : "Ctrl+Z");
  }
}

TEST_F(RewriteTest, AClipboardHeldByAnotherProgramIsWaitedForOrReported) {
  struct Row {
    DWORD holdMs;
    bool copied;
  };
  for (const Row row : {Row{300, true}, Row{4000, false}}) {
    const auto promptsBefore = messages_.seen().size();
    setText(std::wstring(kArticle));
    ASSERT_TRUE(SetClipboardText(window_.handle(), L"before"));
    testing::ClipboardHolderProcess holder(row.holdMs);
    ASSERT_TRUE(holder.holding());
    runRewrite();
    holder.wait();
    const std::wstring rewritten = text();
    EXPECT_NE(rewritten, kArticle) << "the box keeps the result either way";
    EXPECT_EQ(rewritten.size(), std::wstring(L"a\r\n\r\nb\r\n\r\nc").size());
    const auto seen = messages_.seen();
    if (row.copied) {
      EXPECT_EQ(ClipboardText(), rewritten) << "hold " << row.holdMs;
      EXPECT_EQ(seen.size(), promptsBefore) << "hold " << row.holdMs;
    } else {
      EXPECT_EQ(ClipboardText(), L"before") << "hold " << row.holdMs;
      ASSERT_EQ(seen.size(), promptsBefore + 1) << "hold " << row.holdMs;
      EXPECT_EQ(seen.back().text, ToWide(texts::kClipboardFailed));
    }
  }
}

// The recording system port: the prompt rules with real focus changes and real input.
class PromptTest : public testing::WindowTest {
 protected:
  [[nodiscard]] std::vector<testing::SeenMessageBox> prompts() const { return messages_.seen(); }
  MessageBoxWatcher messages_{
      std::wstring(texts::kApplicationTitle.begin(), texts::kApplicationTitle.end())};
};

TEST_F(PromptTest, LeavingTheEmptyBoxForAButtonPromptsOnceAndTheClickStillHappens) {
  struct Row {
    const char* action;
    ControlName target;
    std::size_t launches;
  };
  for (const Row row :
       {Row{"Tab", ControlName::Command1, 0}, Row{"click", ControlName::Command2, 1},
        Row{"click", ControlName::Command3, 1}, Row{"click", ControlName::Command1, 0}}) {
    const auto before = prompts().size();
    recording_->opened.clear();
    setText(L"");
    SetFocus(control(ControlName::Text1));
    if (row.action == std::string("Tab")) {
      testing::PressKey(VK_TAB);
    } else {
      testing::Click(control(row.target));
    }
    pumpUntil(
        [&] { return prompts().size() > before && GetFocus() == control(ControlName::Text1); });
    settle();
    const auto seen = prompts();
    const std::string label =
        std::string(row.action) + " " + std::to_string(static_cast<int>(row.target));
    ASSERT_EQ(seen.size(), before + 1) << label;
    EXPECT_EQ(seen.back().text, ToWide(texts::kEmptyTextPrompt)) << label;
    EXPECT_FALSE(seen.back().hasIcon) << label;
    EXPECT_EQ(GetFocus(), control(ControlName::Text1)) << label;
    EXPECT_EQ(recording_->opened.size(), row.launches) << label << ": the click was carried out";
    EXPECT_EQ(SendMessageW(control(row.target), BM_GETSTATE, 0, 0) & BST_PUSHED, 0) << label;
    EXPECT_EQ(recording_->clipboardWrites, 0) << label;
    EXPECT_EQ(text(), L"") << label;
  }
}

TEST_F(PromptTest, NoPromptWhenTheBoxIsNotEmptyOrTheFocusLeavesTheWindow) {
  enum class Leave { ClickButton, ClickLabel, OtherWindow, Close };
  struct Row {
    const wchar_t* text;
    Leave leave;
    std::size_t launches;
  };
  for (const Row row : {Row{L" ", Leave::ClickButton, 1}, Row{L"", Leave::ClickLabel, 1},
                        Row{L"", Leave::OtherWindow, 0}, Row{L"", Leave::Close, 0}}) {
    recording_->opened.clear();
    setText(row.text);
    SetFocus(control(ControlName::Text1));
    HWND other = nullptr;
    switch (row.leave) {
      case Leave::ClickButton:
        testing::Click(control(ControlName::Command2));
        pumpUntil([&] { return !recording_->opened.empty(); });
        break;
      case Leave::ClickLabel:
        testing::Click(control(ControlName::Label2));
        pumpUntil([&] { return !recording_->opened.empty(); });
        EXPECT_EQ(GetFocus(), control(ControlName::Text1)) << "a label takes no focus";
        break;
      case Leave::OtherWindow:
        other = CreateWindowExW(0, L"EDIT", L"another window", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                700, 100, 200, 100, nullptr, nullptr, nullptr, nullptr);
        testing::Activate(other);
        SetFocus(other);
        break;
      case Leave::Close:
        DestroyWindow(window_.handle());
        break;
    }
    settle();
    EXPECT_TRUE(prompts().empty()) << static_cast<int>(row.leave);
    EXPECT_EQ(recording_->opened.size(), row.launches) << static_cast<int>(row.leave);
    if (other != nullptr) {
      DestroyWindow(other);
      testing::Activate(window_.handle());
    }
  }
}

}  // namespace
}  // namespace wyc::ui::win32
