// The Qt window driven through its own QWindow with QtTest's event helpers, as the platform
// delivers input: layout, keys, text round trips, undo, paste, prompts and links.
#include "ui/qt/form1_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "modal_watcher.h"
#include "recording_system.h"
#include "ui/form1_layout.h"
#include "ui/form1_texts.h"
#include "ui/qt/article_text_qt.h"

namespace wyc::ui::qt {
namespace {

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

const char* NameOf(ControlName name) {
  static const std::map<ControlName, const char*> kNames{
      {ControlName::Text1, "Text1"},       {ControlName::Command1, "Command1"},
      {ControlName::Label1, "Label1"},     {ControlName::Command2, "Command2"},
      {ControlName::Command3, "Command3"}, {ControlName::Label2, "Label2"}};
  return kNames.at(name);
}

std::vector<std::u16string> SplitAt(const std::u16string& text, std::u16string_view separator) {
  std::vector<std::u16string> pieces;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::u16string::npos;
       start = at + separator.size()) {
    pieces.push_back(text.substr(start, at - start));
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

class Form1WindowTest : public ::testing::Test {
 public:
  void SetUp() override {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  template <class Widget = QWidget>
  Widget* control(const char* name) {
    auto* widget = window_.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QPlainTextEdit* box() { return control<QPlainTextEdit>("Text1"); }

  // Input goes through the window's QWindow, so Qt updates its button state as for real input.
  // A person holds the button for a moment: queued work runs between press and release.
  void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at = widget->mapTo(&window_, widget->rect().center());
    QTest::mousePress(window_.windowHandle(), button, {}, at);
    settle();
    QTest::mouseRelease(window_.windowHandle(), button, {}, at);
    settle();
  }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window_.windowHandle(), key, modifiers);
    settle();
  }
  // Lets deferred work, and any box it opens, run to its end.
  static void settle() { QTest::qWait(60); }

  // Sets the box's text without an undo step, as typing it before the test would leave it.
  void setArticle(std::u16string_view article) {
    box()->setPlainText(DocumentTextFromArticle(article));
  }
  // The control that has, or gets when the window is active again, the keyboard focus. The
  // offscreen platform does not give activation back to the window when a box closes.
  QString focusName() {
    const QWidget* focus = window_.focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(none)");
  }
  // What a message box sees of the window while it is open.
  QString stateWhileBoxOpen() {
    const auto buttons = window_.findChildren<QPushButton*>();
    const bool anyDown =
        std::any_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isDown(); });
    return QStringLiteral("%1 opened=%2")
        .arg(anyDown ? "button-down" : "buttons-up")
        .arg(system_.opened.size());
  }

  RecordingSystem system_;
  MersenneTwisterSource random_;
  Form1Window window_{system_, random_};
  ModalWatcher watcher_{[this] { return stateWhileBoxOpen(); }};
};

TEST_F(Form1WindowTest, ControlsSitAtTheirPixelPlacesWithTheirWholeTexts) {
  EXPECT_EQ(window_.size(), QSize(kClientWidth, kClientHeight));
  EXPECT_EQ(window_.windowTitle(), Q(texts::kCaption));
  for (const ControlSpec& layout : kForm1Controls) {
    SCOPED_TRACE(NameOf(layout.name));
    QWidget* widget = control(NameOf(layout.name));
    ASSERT_NE(widget, nullptr);
    const PixelRect r = layout.pixels();
    EXPECT_EQ(widget->geometry(), QRect(r.x, r.y, r.width, r.height));
    switch (layout.kind) {
      case ControlKind::TextBox:
        EXPECT_EQ(window_.text(), layout.text);
        break;
      case ControlKind::PushButton: {
        auto* button = qobject_cast<QPushButton*>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), Q(layout.text));
        EXPECT_FALSE(button->autoDefault());
        EXPECT_FALSE(button->isDefault());
        break;
      }
      case ControlKind::Label: {
        auto* label = qobject_cast<QLabel*>(widget);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), Q(layout.text));
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        // One line, not cut at the right edge.
        EXPECT_FALSE(label->wordWrap());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        break;
      }
    }
  }
}

TEST_F(Form1WindowTest, TextBoxWrapsWithoutScrollBarsAndResizingMovesNothing) {
  EXPECT_EQ(box()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(box()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(box()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  std::map<QString, QRect> before;
  for (const auto& layout : kForm1Controls) {
    before[NameOf(layout.name)] = control(NameOf(layout.name))->geometry();
  }
  for (const QSize size : {QSize(1000, 800), QSize(300, 200)}) {
    window_.resize(size);
    settle();
    for (const auto& [name, geometry] : before) {
      EXPECT_EQ(control(name.toLatin1().constData())->geometry(), geometry) << name.toStdString();
    }
  }
}

TEST_F(Form1WindowTest, StartsWithTheFocusInTheBoxAndEnterIsALineBreak) {
  EXPECT_EQ(focusName(), "Text1");
  EXPECT_EQ(window_.text(), texts::kPlaceholder);
  box()->moveCursor(QTextCursor::End);
  press(Qt::Key_X);
  press(Qt::Key_Return);
  EXPECT_EQ(window_.text(), std::u16string(texts::kPlaceholder) + u"x\r\n");
  EXPECT_TRUE(system_.clipboard.empty());  // no default button ran
}

TEST_F(Form1WindowTest, TabWalksTheControlsInOrderAndShiftTabWalksBack) {
  for (const char* next : {"Command1", "Command2", "Command3", "Text1"}) {
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), next);
  }
  for (const char* previous : {"Command3", "Command2", "Command1", "Text1"}) {
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), previous);
  }
  EXPECT_EQ(window_.text(), texts::kPlaceholder);  // no tab character went in
  EXPECT_TRUE(watcher_.boxes.empty());
}

TEST_F(Form1WindowTest, TextCrossesThePortWithCrLfAndEveryOtherCharacterIntact) {
  const std::vector<std::pair<std::u16string, std::u16string>> rows = {
      {u"", u""},
      {u"a\r\nb", u"a\r\nb"},
      {u"\r\n\r\n", u"\r\n\r\n"},
      {u"a\u00A0b\tc \U0001F600\r\n", u"a\u00A0b\tc \U0001F600\r\n"},
      // The box itself breaks lines at these; they come back as the article's line break.
      {u"x\ry", u"x\r\ny"},
      {u"x\ny", u"x\r\ny"},
      {u"x\u2028y\u2029z", u"x\r\ny\r\nz"},
  };
  for (const auto& [written, read] : rows) {
    window_.replaceText(written);
    EXPECT_EQ(window_.text(), read) << Q(written).toStdString();
  }
}

TEST_F(Form1WindowTest, RewriteIsOneUndoStepAndTheClipboardGetsWhatTheBoxShows) {
  const std::u16string article = u"a\u00A01\r\n\r\nb 2\r\n\r\n\r\nc\u00A03";
  setArticle(article);
  click(control("Command1"));
  const std::u16string result = window_.text();
  auto lines = SplitAt(result, u"\r\n\r\n");
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::u16string>{u"a\u00A01", u"b 2", u"c\u00A03"}));
  EXPECT_EQ(system_.clipboard, (std::vector<std::u16string>{u"clear", result}));
  // The focus is on the button now; the user's Ctrl+Z goes to the box.
  QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window_.text(), article);
  EXPECT_TRUE(watcher_.boxes.empty());
}

TEST_F(Form1WindowTest, PastedTextBecomesLinesWhateverItsLineBreaks) {
  for (const std::u16string pasted : {u"x\ny", u"x\r\ny", u"x\ry", u"x\u2029y"}) {
    box()->clear();
    QGuiApplication::clipboard()->setText(Q(pasted));
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window_.text(), u"x\r\ny") << Q(pasted).toStdString();
  }
}

TEST_F(Form1WindowTest, CopyHandsOnNoBreakSpacesAndLfLineBreaks) {
  setArticle(u"a\u00A0b\r\n\r\nc");
  press(Qt::Key_A, Qt::ControlModifier);
  press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), Q(u"a\u00A0b\n\nc"));
}

TEST_F(Form1WindowTest, AnAddressThatCannotBeOpenedIsNamedInAMessage) {
  system_.openSucceeds = false;
  click(control("Command3"));
  ASSERT_EQ(watcher_.boxes.size(), 1U);
  EXPECT_EQ(watcher_.boxes[0].title, Q(texts::kApplicationTitle));
  EXPECT_TRUE(watcher_.boxes[0].text.contains(Q(texts::kMicroblogAddress)));
}

TEST(Form1WindowLoad, AttachesTheSkinOnceBeforeTheWindowIsShown) {
  RecordingSystem system;
  MersenneTwisterSource random;
  const Form1Window window(system, random);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(system.skins, std::vector<std::string>{"/opt/wyc/aero.she|"});
}

// One user action with the box holding `text`, and what it must lead to.
struct PromptCase {
  const char* name;
  std::u16string text;
  std::function<void(Form1WindowTest&)> act;
  std::size_t prompts;
  std::vector<std::u16string> opened;
  const char* focusAfter;  // nullptr: not checked, the focus left the window
};

void PrintTo(const PromptCase& row, std::ostream* out) { *out << row.name; }

class PromptTest : public Form1WindowTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(PromptTest, PromptsOnceExactlyWhenTheEmptyBoxIsLeftForAnotherControl) {
  const PromptCase& row = GetParam();
  setArticle(row.text);
  row.act(*this);
  settle();
  ASSERT_EQ(watcher_.boxes.size(), row.prompts);
  for (const SeenBox& seen : watcher_.boxes) {
    EXPECT_EQ(seen.title, Q(texts::kApplicationTitle));
    EXPECT_EQ(seen.text, Q(texts::kEmptyTextPrompt));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    // The click was carried out before the box came: released, and its link already opened.
    EXPECT_EQ(seen.state, QStringLiteral("buttons-up opened=%1").arg(row.opened.size()));
  }
  EXPECT_EQ(system_.opened, row.opened);
  EXPECT_TRUE(system_.clipboard.empty());
  if (row.focusAfter != nullptr) {
    EXPECT_EQ(focusName(), row.focusAfter);
  }
  EXPECT_EQ(window_.text(), row.text);
}

const std::u16string kWebsite(texts::kWebsiteAddress);
const std::u16string kMicroblog(texts::kMicroblogAddress);

INSTANTIATE_TEST_SUITE_P(
    Actions, PromptTest,
    ::testing::Values(
        PromptCase{"TabFromEmptyBox", u"", [](auto& t) { t.press(Qt::Key_Tab); }, 1, {}, "Text1"},
        PromptCase{"ShiftTabFromEmptyBox",
                   u"",
                   [](auto& t) { t.press(Qt::Key_Backtab, Qt::ShiftModifier); },
                   1,
                   {},
                   "Text1"},
        PromptCase{"StartOnEmptyBox",
                   u"",
                   [](auto& t) { t.click(t.control("Command1")); },
                   1,
                   {},
                   "Text1"},
        PromptCase{"WebsiteFromEmptyBox",
                   u"",
                   [](auto& t) { t.click(t.control("Command2")); },
                   1,
                   {kWebsite},
                   "Text1"},
        PromptCase{"MicroblogFromEmptyBox",
                   u"",
                   [](auto& t) { t.click(t.control("Command3")); },
                   1,
                   {kMicroblog},
                   "Text1"},
        PromptCase{"FooterFromEmptyBox",
                   u"",
                   [](auto& t) { t.click(t.control("Label2")); },
                   0,
                   {kWebsite},
                   "Text1"},
        // The failure message takes the focus out of the window: no prompt follows it.
        PromptCase{"FooterThatFailsFromEmptyBox",
                   u"",
                   [](auto& t) {
                     t.system_.openSucceeds = false;
                     t.click(t.control("Label2"));
                     ASSERT_EQ(t.watcher_.boxes.size(), 1U);
                     EXPECT_TRUE(t.watcher_.boxes[0].text.endsWith(Q(kWebsite)));
                     t.watcher_.boxes.clear();
                   },
                   0,
                   {kWebsite},
                   "Text1"},
        PromptCase{"TabFromBoxWithOneSpace",
                   u" ",
                   [](auto& t) { t.press(Qt::Key_Tab); },
                   0,
                   {},
                   "Command1"},
        PromptCase{"TabFromBoxWithOneLineBreak",
                   u"\r\n",
                   [](auto& t) { t.press(Qt::Key_Tab); },
                   0,
                   {},
                   "Command1"},
        PromptCase{"ContextMenuOfEmptyBox",
                   u"",
                   [](auto& t) {
                     t.click(t.box(), Qt::RightButton);
                     EXPECT_GE(t.watcher_.popupsClosed, 1);
                   },
                   0,
                   {},
                   "Text1"},
        PromptCase{"OtherWindowActivated",
                   u"",
                   [](auto&) {
                     QWidget other;
                     other.show();
                     other.activateWindow();
                     EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
                   },
                   0,
                   {},
                   nullptr},
        PromptCase{"WindowClosed", u"", [](auto& t) { t.window_.close(); }, 0, {}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wyc::ui::qt
