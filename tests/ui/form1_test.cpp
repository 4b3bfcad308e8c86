// Form1's rules, driven through the recording fakes of its ports.
#include "ui/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/line_list.h"
#include "tests/ui/fakes.h"
#include "ui/form1_texts.h"

namespace wyc::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using ::testing::UnorderedElementsAreArray;

std::vector<std::u16string> Paragraphs(std::u16string_view text) {
  std::vector<std::u16string> result;
  for (const auto line : SplitLines(text, kCrLfCrLf<char16_t>)) result.emplace_back(line);
  return result;
}

class Form1Test : public ::testing::Test {
 protected:
  [[nodiscard]] std::size_t prompts() const {
    return static_cast<std::size_t>(
        std::count(window.messages.begin(), window.messages.end(),
                   std::pair<std::u16string, std::u16string>(texts::kEmptyTextPrompt,
                                                             texts::kApplicationTitle)));
  }
  void click(ControlName control) { form.Click(control); }

  test::FakeServices fakes;
  test::Journal& journal = fakes.journal;
  test::FakeWindow window{journal};
  Form1 form{window, fakes.services()};
};

TEST_F(Form1Test, StartRewritesTheBoxThenCopiesWhatTheBoxHolds) {
  window.text_ = u"a\r\n\r\nb\r\n\r\n\r\nc";
  window.storedSuffix = u"!";  // the box keeps the text its own way
  fakes.clock.time = 100.5F;
  click(ControlName::Command1);

  ASSERT_TRUE(window.text_.ends_with(u"!"));
  const auto first =
      Paragraphs(std::u16string_view(window.text_).substr(0, window.text_.size() - 1));
  EXPECT_THAT(first, UnorderedElementsAre(u"a", u"b", u"c"));
  EXPECT_EQ(fakes.clipboard.content, window.text_);
  EXPECT_THAT(journal, ElementsAre("busy", "reseed", "read text", "replace text", "clear clipboard",
                                   "read text", "set clipboard"));
  EXPECT_THAT(window.messages, IsEmpty());
  // Every run reseeds from the time of day and shuffles what the box holds now.
  window.storedSuffix.clear();
  fakes.clock.time = 100.75F;
  const auto before = Paragraphs(window.text_);
  click(ControlName::Command1);
  EXPECT_THAT(fakes.random.seeds,
              ElementsAre(SeedFromTimeOfDay(100.5F), SeedFromTimeOfDay(100.75F)));
  EXPECT_THAT(Paragraphs(window.text_), UnorderedElementsAreArray(before));
}

TEST_F(Form1Test, NothingToRewriteKeepsBoxAndClipboardAndPromptsOnce) {
  for (const std::u16string_view text : {u"", u"\r\n", u"\r\n\r\n\r\n"}) {
    journal.clear();
    window.messages.clear();
    window.text_ = text;
    click(ControlName::Command1);
    window.finishInput();
    EXPECT_EQ(window.text_, text);
    EXPECT_EQ(fakes.clipboard.content, u"what the user had copied");
    EXPECT_EQ(prompts(), 1U);
    EXPECT_EQ(journal.back(), "focus Text1");
  }
}

TEST_F(Form1Test, FailuresLeaveTheBoxAsItShouldBeAndSaySo) {
  struct Row {
    bool clearWorks, setWorks, outOfMemory;
    std::u16string_view message;
  };
  const std::vector<Row> rows = {{false, true, false, texts::kClipboardFailed},
                                 {true, false, false, texts::kClipboardFailed},
                                 {true, true, true, texts::kOutOfMemory}};
  for (const Row& row : rows) {
    window.messages.clear();
    fakes.clipboard.content = u"what the user had copied";
    fakes.clipboard.clearWorks = row.clearWorks;
    fakes.clipboard.setWorks = row.setWorks;
    fakes.random.outOfMemory = row.outOfMemory;
    window.text_ = u"a\r\nb";
    click(ControlName::Command1);
    // A failed copy keeps the result in the box; a run out of memory changes nothing.
    if (row.outOfMemory) {
      EXPECT_EQ(window.text_, u"a\r\nb");
      EXPECT_EQ(fakes.clipboard.content, u"what the user had copied");
    } else {
      EXPECT_THAT(Paragraphs(window.text_), UnorderedElementsAre(u"a", u"b"));
    }
    EXPECT_THAT(window.messages, ElementsAre(std::pair<std::u16string, std::u16string>(
                                     row.message, texts::kApplicationTitle)));
  }
}

TEST_F(Form1Test, WhatABrowserAnswersAfterTheClickStillHasItsEffect) {
  // The focus comes back to the box only once the prompt has been closed.
  window.closesAtOnce = false;
  click(ControlName::Command1);
  ASSERT_EQ(prompts(), 1U);
  EXPECT_EQ(journal.back(), "message");
  window.closeMessages();
  EXPECT_EQ(journal.back(), "focus Text1");
  // A copy refused once the click has returned is still reported.
  fakes.clipboard.answersLater = true;
  fakes.clipboard.setWorks = false;
  window.text_ = u"a\r\nb";
  click(ControlName::Command1);
  EXPECT_EQ(window.messages.size(), 1U);
  fakes.clipboard.answer();
  EXPECT_EQ(window.messages.back().first, texts::kClipboardFailed);
}

TEST_F(Form1Test, PromptsAfterTheActionOnlyWhenAnEmptyBoxIsLeftForAnotherControl) {
  struct Row {
    std::u16string_view text;
    FocusDestination destination;
    std::u16string_view typedMeanwhile;
    std::size_t prompts;
  };
  const std::vector<Row> rows = {
      {u"", FocusDestination::OtherControl, u"", 1},
      {u" ", FocusDestination::OtherControl, u" ", 0},
      {u"\r\n", FocusDestination::OtherControl, u"\r\n", 0},
      {u"", FocusDestination::OutsideWindow, u"", 0},
      {u"", FocusDestination::OtherControl, u"typed", 0},  // checked again when it is due
  };
  for (const auto& row : rows) {
    window.messages.clear();
    window.text_ = row.text;
    form.Text1_LostFocus(row.destination);
    form.Text1_LostFocus(row.destination);  // repeated within one action
    EXPECT_EQ(prompts(), 0U) << "shown before the user action finished";
    window.text_ = row.typedMeanwhile;
    window.finishInput();
    EXPECT_EQ(prompts(), row.prompts);
    if (row.prompts != 0) {
      EXPECT_EQ(journal.back(), "focus Text1");
    }
  }
}

TEST_F(Form1Test, AClickThatLeftTheEmptyBoxPromptsOnceAfterItsOwnWork) {
  // Start: the click's own prompt replaces the focus change's.
  form.Text1_LostFocus(FocusDestination::OtherControl);
  click(ControlName::Command1);
  window.finishInput();
  EXPECT_EQ(prompts(), 1U);
  // A link still opens, then the prompt comes.
  journal.clear();
  form.Text1_LostFocus(FocusDestination::OtherControl);
  click(ControlName::Command2);
  window.finishInput();
  EXPECT_EQ(prompts(), 2U);
  EXPECT_THAT(journal, ElementsAre("read text", "defer", "open address", "read text", "message",
                                   "focus Text1"));
}

TEST_F(Form1Test, EachLinkOpensItsAddressOncePerClickAndReportsAFailure) {
  const std::vector<std::pair<ControlName, std::u16string_view>> rows = {
      {ControlName::Command2, texts::kWebsiteAddress},
      {ControlName::Label2, texts::kWebsiteAddress},
      {ControlName::Command3, texts::kMicroblogAddress},
  };
  window.text_ = u"article";
  for (const auto& [control, address] : rows) {
    fakes.launcher.opened.clear();
    click(control);
    click(control);
    EXPECT_THAT(fakes.launcher.opened, ElementsAre(address, address));
  }
  EXPECT_EQ(window.text_, u"article");
  EXPECT_THAT(window.messages, IsEmpty());
  EXPECT_EQ(ClickHandlerOf(ControlName::Text1), nullptr);
  EXPECT_EQ(ClickHandlerOf(ControlName::Label1), nullptr);

  fakes.launcher.works = false;
  click(ControlName::Command3);
  ASSERT_EQ(window.messages.size(), 1U);
  EXPECT_EQ(window.messages[0].first,
            std::u16string(texts::kOpenAddressFailed) + std::u16string(texts::kMicroblogAddress));
}

TEST_F(Form1Test, AShareReplacesTheArticleByItsNonEmptyFieldsAndWaitsOnStart) {
  struct Row {
    std::u16string_view title, text, address, article;  // an empty article: nothing happens
  };
  const std::vector<Row> rows = {
      {u"T", u"a\r\n\r\nb", u"https://x/", u"T\r\na\r\n\r\nb\r\nhttps://x/"},
      {u"", u"a", u"https://x/", u"a\r\nhttps://x/"},
      {u"T", u"", u"https://x/", u"T\r\nhttps://x/"},
      {u"", u"\r\n", u"", u"\r\n"},
      {u"", u"", u"", u""},
  };
  for (const Row& row : rows) {
    journal.clear();
    window.text_ = texts::kPlaceholder;
    form.Form_Share(row.title, row.text, row.address);
    EXPECT_EQ(window.text_, row.article.empty() ? texts::kPlaceholder : row.article);
    EXPECT_EQ(journal, (row.article.empty() ? test::Journal{}
                                            : test::Journal{"replace text", "focus Command1"}));
  }
  // The button it waits on rewrites what was shared, line by line.
  form.Form_Share(u"T", u"a", u"");
  click(ControlName::Command1);
  EXPECT_THAT(Paragraphs(window.text_), UnorderedElementsAre(u"T", u"a"));
}

TEST_F(Form1Test, LoadHandsTheSkinEngineTheSkinFileBesideTheProgramOnce) {
  const std::vector<std::pair<std::u16string, std::u16string>> rows = {
      {u"D:\\tools", u"D:\\tools/aero.she"},
      {u"D:\\", u"D:\\/aero.she"},  // a drive root keeps its separator
  };
  for (const auto& [directory, skinFile] : rows) {
    fakes.skin.attached.clear();
    fakes.skin.directory = directory;
    form.Form_Load();
    EXPECT_THAT(fakes.skin.attached,
                ElementsAre(std::pair<std::u16string, std::u16string>(skinFile, u"")));
  }
  // Without a skin engine the load does nothing.
  Form1 unskinned(window, fakes.services(false));
  journal.clear();
  unskinned.Form_Load();
  EXPECT_THAT(journal, IsEmpty());
}

}  // namespace
}  // namespace wyc::ui
