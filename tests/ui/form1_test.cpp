// Form1's rules, driven through recording fakes of the platform.
#include "ui/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/line_filter.h"
#include "tests/ui/recording_ports.h"
#include "ui/form1_texts.h"

namespace wyc::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

class Form1Test : public ::testing::Test {
 protected:
  std::vector<std::u16string> lines(std::u16string_view text, std::u16string_view separator) {
    std::vector<std::u16string> result;
    for (const auto line : SplitLines(text, separator)) result.emplace_back(line);
    return result;
  }
  std::size_t prompts() const {
    return static_cast<std::size_t>(
        std::count(window.messages.begin(), window.messages.end(),
                   std::pair<std::u16string, std::u16string>(texts::kEmptyTextPrompt,
                                                             texts::kApplicationTitle)));
  }

  test::Journal journal;
  test::RecordingWindow window{journal};
  test::RecordingSystem system{journal};
  test::RecordingRandom random{journal};
  Form1 form{window, system, random};
};

TEST_F(Form1Test, StartRewritesTheBoxAndCopiesWhatTheBoxThenHolds) {
  window.text_ = u"a\r\n\r\nb\r\n\r\n\r\nc";
  form.Command1_Click();

  EXPECT_THAT(lines(window.text_, u"\r\n\r\n"), UnorderedElementsAre(u"a", u"b", u"c"));
  EXPECT_EQ(system.clipboard, window.text_);
  EXPECT_THAT(journal, ElementsAre("reseed", "read text", "replace text", "clear clipboard",
                                   "read text", "set clipboard"));
  EXPECT_THAT(window.messages, IsEmpty());
}

TEST_F(Form1Test, ClipboardGetsTheBoxsTextReadBackNotTheComputedOne) {
  window.boxTransform = [](std::u16string_view text) { return std::u16string(text) + u"!"; };
  window.text_ = u"x\r\ny";
  form.Command1_Click();
  EXPECT_TRUE(window.text_.ends_with(u"!"));
  EXPECT_EQ(system.clipboard, window.text_);
}

TEST_F(Form1Test, EveryRunReseedsFromTheTimeOfDay) {
  window.text_ = u"one\r\ntwo\r\nthree";
  system.timeOfDay = 100.5F;
  form.Command1_Click();
  system.timeOfDay = 100.75F;
  form.Command1_Click();
  EXPECT_THAT(random.seeds, ElementsAre(SeedFromTimeOfDay(100.5F), SeedFromTimeOfDay(100.75F)));
  // The second run shuffles the first run's result: the same lines come out again.
  EXPECT_THAT(lines(window.text_, u"\r\n\r\n"), UnorderedElementsAre(u"one", u"two", u"three"));
}

TEST_F(Form1Test, OneLineComesBackUnchangedAndIsCopied) {
  for (const std::u16string_view text : {u"abc", u"请输入您要伪原创的内容\r\n", u"  "}) {
    window.text_ = text;
    form.Command1_Click();
    EXPECT_EQ(window.text_, LineFilter(text));
    EXPECT_EQ(system.clipboard, window.text_);
  }
  EXPECT_THAT(window.messages, IsEmpty());
}

TEST_F(Form1Test, NothingToRewriteKeepsBoxAndClipboardAndPromptsOnce) {
  for (const std::u16string_view text : {u"", u"\r\n", u"\r\n\r\n\r\n"}) {
    journal.clear();
    window.messages.clear();
    window.text_ = text;
    form.Command1_Click();
    window.finishInput();
    EXPECT_EQ(window.text_, text);
    EXPECT_EQ(system.clipboard, u"what the user had copied");
    EXPECT_EQ(prompts(), 1U);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "replace text"), 0);
    EXPECT_EQ(journal.back(), "focus text");
  }
}

TEST_F(Form1Test, ClipboardFailureLeavesTheResultInTheBoxAndSaysSo) {
  struct Row {
    bool clearWorks, setWorks;
  };
  for (const Row row : {Row{false, true}, Row{true, false}}) {
    window.messages.clear();
    system.clearWorks = row.clearWorks;
    system.setWorks = row.setWorks;
    window.text_ = u"a\r\nb";
    form.Command1_Click();
    EXPECT_THAT(lines(window.text_, u"\r\n\r\n"), UnorderedElementsAre(u"a", u"b"));
    ASSERT_EQ(window.messages.size(), 1U);
    EXPECT_EQ(window.messages[0].first, texts::kClipboardFailed);
    EXPECT_EQ(window.messages[0].second, texts::kApplicationTitle);
  }
}

TEST_F(Form1Test, PromptOnlyWhenLeavingAnEmptyBoxForAnotherControl) {
  struct Row {
    std::u16string_view text;
    FocusDestination destination;
    std::size_t prompts;
  };
  const Row rows[] = {
      {u"", FocusDestination::OtherControl, 1},
      {u" ", FocusDestination::OtherControl, 0},
      {u"\r\n", FocusDestination::OtherControl, 0},
      {u"", FocusDestination::OutsideWindow, 0},
  };
  for (const auto& row : rows) {
    window.messages.clear();
    journal.clear();
    window.text_ = row.text;
    form.Text1_LostFocus(row.destination);
    EXPECT_EQ(prompts(), 0U) << "shown before the user action finished";
    window.finishInput();
    EXPECT_EQ(prompts(), row.prompts);
    if (row.prompts != 0) {
      EXPECT_EQ(journal.back(), "focus text");
    }
  }
}

TEST_F(Form1Test, DeferredPromptChecksTheBoxAgain) {
  window.text_ = u"";
  form.Text1_LostFocus(FocusDestination::OtherControl);
  window.text_ = u"typed meanwhile";
  window.finishInput();
  EXPECT_EQ(prompts(), 0U);
}

TEST_F(Form1Test, ExactlyOnePromptPerUserAction) {
  // Clicking start with an empty box: the focus change and the click both want to prompt.
  window.text_ = u"";
  form.Text1_LostFocus(FocusDestination::OtherControl);
  form.Command1_Click();
  window.finishInput();
  EXPECT_EQ(prompts(), 1U);

  // Focus notifications repeated within one action.
  window.messages.clear();
  form.Text1_LostFocus(FocusDestination::OtherControl);
  form.Text1_LostFocus(FocusDestination::OtherControl);
  window.finishInput();
  EXPECT_EQ(prompts(), 1U);

  // The next action prompts again.
  window.messages.clear();
  form.Text1_LostFocus(FocusDestination::OtherControl);
  window.finishInput();
  EXPECT_EQ(prompts(), 1U);
}

TEST_F(Form1Test, LinkClickedFromAnEmptyBoxStillOpensThenPrompts) {
  window.text_ = u"";
  form.Text1_LostFocus(FocusDestination::OtherControl);
  form.Command2_Click();
  window.finishInput();
  EXPECT_THAT(system.launches, ElementsAre(texts::kWebsiteAddress));
  EXPECT_EQ(prompts(), 1U);
  const auto opened = std::find(journal.begin(), journal.end(), "open address");
  const auto prompted = std::find(journal.begin(), journal.end(), "message");
  EXPECT_LT(opened, prompted);
}

TEST_F(Form1Test, EachLinkOpensItsAddressOncePerClick) {
  struct Row {
    void (Form1::*handler)();
    std::u16string_view address;
  };
  const Row rows[] = {
      {&Form1::Command2_Click, texts::kWebsiteAddress},
      {&Form1::Label2_Click, texts::kWebsiteAddress},
      {&Form1::Command3_Click, texts::kMicroblogAddress},
  };
  window.text_ = u"article";
  for (const auto& row : rows) {
    system.launches.clear();
    (form.*row.handler)();
    (form.*row.handler)();
    EXPECT_THAT(system.launches, ElementsAre(row.address, row.address));
  }
  EXPECT_EQ(window.text_, u"article");
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "replace text"), 0);
  EXPECT_THAT(window.messages, IsEmpty());
}

TEST_F(Form1Test, FailedLaunchNamesTheAddress) {
  system.launchWorks = false;
  form.Command3_Click();
  ASSERT_EQ(window.messages.size(), 1U);
  EXPECT_NE(window.messages[0].first.find(texts::kMicroblogAddress), std::u16string::npos);
  EXPECT_EQ(window.messages[0].second, texts::kApplicationTitle);
}

TEST_F(Form1Test, LoadAttachesTheSkinOnceWithTheApplicationDirectory) {
  struct Row {
    std::u16string directory;
    std::string skinPath;
  };
  const Row rows[] = {
      {u"D:\\tools", "D:\\tools/aero.she"},
      {u"D:\\", "D:\\/aero.she"},  // a drive root keeps its separator
      // A folder the code page cannot hold is handed over in its short form.
      {u"C:\\软件\\朔屿", "C:\\8F0A~1\\9B2C~1/aero.she"},
  };
  system.shortForms[u"C:\\软件\\朔屿"] = u"C:\\8F0A~1\\9B2C~1";
  for (const auto& row : rows) {
    system.skinCalls.clear();
    system.directory = row.directory;
    form.Form_Load();
    ASSERT_EQ(system.skinCalls.size(), 1U);
    EXPECT_EQ(system.skinCalls[0].first, row.skinPath);
    EXPECT_EQ(system.skinCalls[0].second, "");
  }
}

}  // namespace
}  // namespace wyc::ui
