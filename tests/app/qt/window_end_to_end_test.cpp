// The real program on its own Xvfb display, driven from outside: keys and clicks by xdotool,
// the clipboard read by xclip as another program reads it, links through a fake xdg-open.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <vector>

#include "ui/form1_layout.h"
#include "ui/form1_texts.h"
#include "x_session.h"

namespace wyc::app::linux_test {
namespace {

using ui::ControlName;

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Long enough for a wrongly deferred second box to have shown up.
constexpr int kQuietMs = 800;

class WindowEndToEndTest : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(session_.started()) << "Xvfb did not start";
    program_ = std::make_unique<WindowProgram>(session_);
    ASSERT_FALSE(program_->window().isEmpty()) << "the window never appeared";
  }

  WindowProgram& program() { return *program_; }
  void emptyTheBox() { program().keys({"ctrl+a", "Delete"}); }
  // Exactly one message box comes, and none after it is closed.
  void expectOneBox() {
    ASSERT_TRUE(WaitFor([this] { return program().boxes() > 0; })) << "no message box";
    EXPECT_EQ(program().boxes(), 1);
    program().dismissBox();
    QThread::msleep(kQuietMs);
    EXPECT_EQ(program().boxes(), 0) << "a second message box followed";
  }
  void expectNoBox() {
    QThread::msleep(kQuietMs);
    EXPECT_EQ(program().boxes(), 0);
  }
  // Typing lands in the text box when it holds the focus.
  void expectFocusInTheBox() {
    program().focus();
    program().keys({"x"});
    EXPECT_EQ(program().copyAll(), "x");
  }

  XSession session_;
  std::unique_ptr<WindowProgram> program_;
};

QStringList SortedLines(const QString& text) {
  QStringList lines = text.split('\n', Qt::SkipEmptyParts);
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST_F(WindowEndToEndTest, WindowCarriesItsCaptionIconAndClassForTheDesktop) {
  const QString properties =
      session_.output(QStringLiteral("xprop"),
                      {"-id", program().window(), "_NET_WM_NAME", "_NET_WM_ICON", "WM_CLASS"});
  EXPECT_TRUE(properties.contains("\"" + Q(ui::texts::kCaption) + "\""))
      << properties.toStdString();
  EXPECT_TRUE(properties.contains(QStringLiteral("Icon (32 x 32)")));
  // The desktop entry's StartupWMClass matches the window to its entry.
  EXPECT_TRUE(properties.contains(QStringLiteral("WM_CLASS(STRING) = \"weiyuanchuang\"")));
}

TEST_F(WindowEndToEndTest, RewriteReachesTheClipboardWithLfAndCtrlZBringsTheArticleBack) {
  QFile sample(QStringLiteral(WYC_SAMPLE_ARTICLE));
  ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
  // A no-break space must survive both ways.
  const QString pasted = QString::fromUtf8(sample.readAll()) + QString::fromUtf16(u"末行\u00A0尾");
  // The sample has CR LF line breaks; what the box hands on has the desktop's LF.
  const QString article = QString(pasted).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  ASSERT_TRUE(pasted.contains('\r'));
  program().paste(pasted);
  program().click(ControlName::Command1);
  QString result;
  ASSERT_TRUE(WaitFor([&] {
    result = session_.clipboard();
    return result != article;
  }));
  EXPECT_FALSE(result.contains('\r'));
  EXPECT_EQ(SortedLines(result), SortedLines(article));
  EXPECT_EQ(result.split(QStringLiteral("\n\n")).size(), SortedLines(article).size());
  program().click(ControlName::Text1);
  EXPECT_EQ(program().copyAll(), result);  // the box shows what the clipboard holds
  program().keys({"ctrl+z"});
  EXPECT_EQ(program().copyAll(), article);
}

TEST_F(WindowEndToEndTest, PastedLfAndCrLfTextBecomesLines) {
  for (const QString& pasted : {QStringLiteral("一\n二\n"), QStringLiteral("一\r\n二\r\n")}) {
    program().paste(pasted);
    EXPECT_EQ(program().copyAll(), QStringLiteral("一\n二\n"));
  }
}

TEST_F(WindowEndToEndTest, TabFromTheEmptyBoxPromptsOnceAndGivesTheFocusBack) {
  emptyTheBox();
  program().keys({"Tab"});
  expectOneBox();
  expectFocusInTheBox();
}

TEST_F(WindowEndToEndTest, StartOnTheEmptyBoxPromptsOnceAndLeavesTheClipboardAlone) {
  emptyTheBox();
  session_.setClipboard(QStringLiteral("the user's own clipboard"));
  program().click(ControlName::Command1);
  expectOneBox();
  EXPECT_EQ(session_.clipboard(), QStringLiteral("the user's own clipboard"));
  expectFocusInTheBox();
}

TEST_F(WindowEndToEndTest, LinksFromTheEmptyBoxPromptOnceAndStillOpenTheirAddress) {
  const std::vector<std::pair<ControlName, QString>> links{
      {ControlName::Command2, Q(ui::texts::kWebsiteAddress)},
      {ControlName::Command3, Q(ui::texts::kMicroblogAddress)}};
  QStringList expected;
  for (const auto& [button, address] : links) {
    emptyTheBox();
    program().click(button);
    expectOneBox();
    expected << "1|" + address;
    EXPECT_EQ(program().opened(), expected);
    expectFocusInTheBox();
    // The button was not left half-pressed: the next click is an ordinary one.
    program().click(button);
    expected << "1|" + address;
    ASSERT_TRUE(WaitFor([&] { return program().opened() == expected; }));
    expectNoBox();
    program().click(ControlName::Text1);
  }
}

TEST_F(WindowEndToEndTest, FooterOpensTheWebsiteWithoutMovingTheFocus) {
  emptyTheBox();
  program().click(ControlName::Label2);
  ASSERT_TRUE(WaitFor([&] { return !program().opened().isEmpty(); }));
  EXPECT_EQ(program().opened(), QStringList{"1|" + Q(ui::texts::kWebsiteAddress)});
  expectNoBox();
  expectFocusInTheBox();
}

TEST_F(WindowEndToEndTest, SwitchingToAnotherApplicationOrTheContextMenuDoesNotPrompt) {
  emptyTheBox();
  const WindowProgram other(session_);
  ASSERT_FALSE(other.window().isEmpty());
  other.focus();
  expectNoBox();
  EXPECT_EQ(other.boxes(), 0);
  program().focus();
  expectNoBox();
  program().click(ControlName::Text1, 3);  // the box's context menu
  QThread::msleep(300);
  program().keys({"Escape"});
  expectNoBox();
}

TEST_F(WindowEndToEndTest, AnOpenerThatCannotStartIsReported) {
  program_.reset();
  program_ = std::make_unique<WindowProgram>(session_, WindowProgram::Opener::Missing);
  ASSERT_FALSE(program().window().isEmpty());
  program().click(ControlName::Label2);
  expectOneBox();
}

}  // namespace
}  // namespace wyc::app::linux_test
