// What the Qt window translates, at widget level on the offscreen platform: the article text
// through the box and the clipboard, the desktop's font, the busy cursor, Enter in the box, the
// focus.
#include "ui/qt/form1_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "tests/ui/fakes.h"
#include "ui/qt/article_text_qt.h"
#include "ui/qt/desktop_services.h"

namespace wyc::ui::qt {
namespace {

TEST(Form1Window, ArticleTextCrossesWithCrLfAndEveryOtherCharacterIntact) {
  Form1Window window;
  auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  QtClipboard clipboard;
  struct Row {
    std::u16string written, read, exchanged;
  };
  const std::vector<Row> rows = {
      {u"", u"", u""},
      {u"a\r\n\r\nb", u"a\r\n\r\nb", u"a\n\nb"},
      {u"a\u00A0b\tc \U0001F600\r\n", u"a\u00A0b\tc \U0001F600\r\n", u"a\u00A0b\tc \U0001F600\n"},
      // The box breaks lines at a lone CR or LF itself; it reads back as the article's line break.
      {u"x\ry\nz\u2028w", u"x\r\ny\r\nz\r\nw", u"x\ry\nz\u2028w"},
  };
  for (const Row& row : rows) {
    window.replaceText(row.written);
    EXPECT_EQ(window.text(), row.read) << ToQString(row.written).toStdString();
    clipboard.setText(row.written, [](bool copied) { EXPECT_TRUE(copied); });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ToQString(row.exchanged));
    // What the box hands on and takes in from other programs has LF line breaks.
    box->selectAll();
    box->copy();
    box->clear();
    box->paste();
    EXPECT_EQ(window.text(), row.read);
  }
}

TEST(Form1Window, KeepsTheDesktopFontWhereATextFitsAndShrinksOnlyWhereNot) {
  for (const qreal size : {9.0, 16.0}) {
    QFont desktop = QApplication::font();
    desktop.setPointSizeF(size);
    QApplication::setFont(desktop);
    const Form1Window window;
    EXPECT_EQ(window.findChild<QPlainTextEdit*>()->font().pointSizeF(), size);
    for (const auto* button : window.findChildren<QPushButton*>()) {
      EXPECT_LE(button->sizeHint().width(), button->width());
      EXPECT_EQ(button->font().pointSizeF() == size, size == 9.0) << size;
    }
    for (const auto* label : window.findChildren<QLabel*>()) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    }
  }
}

TEST(Form1Window, ShowsTheBusyCursorUntilRepaintedAndEnterInTheBoxIsALineBreak) {
  Form1Window window;
  window.show();
  window.runBusy([] {
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  });
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  QTest::qWait(20);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  window.replaceText(u"a");
  auto* box = window.findChild<QPlainTextEdit*>();
  box->moveCursor(QTextCursor::End);
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(window.text(), u"a\r\n");
}

TEST(Form1Window, ClosesWithTheFocusInTheBoxAfterItsFormIsGone) {
  // As in the program: the form, made after the window, goes first. The focus leaving the box
  // as the window is destroyed must reach neither the form nor the half-destroyed window.
  Form1Window window;
  test::FakeServices fakes;
  Form1 form(window, fakes.services());
  window.bind(form);
  window.show();
  window.focus(ControlName::Text1);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(Form1Window, GivesTheFocusToTheNamedControlButNeverToALabel) {
  Form1Window window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (const ControlSpec& layout : kForm1Controls) {
    window.focus(ControlName::Text1);
    window.focus(layout.name);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(),
              NameOf(layout.takesFocus() ? layout.name : ControlName::Text1));
  }
}

}  // namespace
}  // namespace wyc::ui::qt
