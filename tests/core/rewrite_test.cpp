// The streamed rewrite of the command line against the window's two steps.
#include "core/rewrite.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/article_generator.h"
#include "tests/support/scripted_source.h"
#include "tests/support/widen.h"

namespace wyc {
namespace {

template <class CharT>
ArticleText<CharT> Rewrite(ArticleView<CharT> text, std::uint64_t seed, bool* wrote = nullptr) {
  MersenneTwisterSource source(seed);
  ArticleText<CharT> out;
  const bool any = RewriteLines(text, DetectLineBreak(text), source,
                                [&out](ArticleView<CharT> piece) { out += piece; });
  if (wrote != nullptr) *wrote = any;
  return out;
}

TEST(DetectLineBreak, TheFirstLineBreakDecides) {
  struct Row {
    std::string_view text;
    std::string_view lineBreak;
  };
  const Row rows[] = {
      {"a\r\nb\nc", "\r\n"}, {"a\nb\r\nc", "\n"}, {"abc", "\n"},      {"", "\n"},
      {"a\rb\r\nc", "\r\n"}, {"\na", "\n"},       {"\r\r\n", "\r\n"}, {"a\r", "\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(DetectLineBreak(row.text), row.lineBreak) << ::testing::PrintToString(row.text);
    const auto wide = test::Widen<char16_t>(row.text);
    EXPECT_EQ(DetectLineBreak<char16_t>(wide).size(), row.lineBreak.size());
  }
}

TEST(RewriteLines, CrLfTextMatchesTheWindowsTwoSteps) {
  std::mt19937 engine(3);
  for (int round = 0; round < 300; ++round) {
    const auto lines = test::GenerateLines<char16_t>(engine, 20, kCrLf<char16_t>);
    // Starting with a CR LF line break keeps the convention CR LF whatever the lines hold.
    const std::u16string text = u"x\r\n" + test::Join<char16_t>(lines, kCrLf<char16_t>);
    MersenneTwisterSource window(static_cast<std::uint64_t>(round));
    const std::u16string expected = RndLine(LineFilter(text), window) + u"\r\n";
    EXPECT_EQ(Rewrite<char16_t>(text, static_cast<std::uint64_t>(round)), expected);
  }
}

TEST(RewriteLines, LfTextDoublesLfAndEndsWithOne) {
  test::ScriptedSource source({0.9, 0.1, 0.5});
  std::string out;
  ASSERT_TRUE(RewriteLines<char>("A\n\nB\n\n\nC\n", kLf<char>, source,
                                 [&out](std::string_view piece) { out += piece; }));
  EXPECT_EQ(out, "B\n\nA\n\nC\n");
  EXPECT_EQ(source.draws(), 3U);
}

TEST(RewriteLines, NothingForTextWithoutNonEmptyLines) {
  for (const std::string_view text : {"", "\n", "\n\n\n", "\r\n\r\n"}) {
    bool wrote = true;
    EXPECT_EQ(Rewrite<char>(text, 1, &wrote), "");
    EXPECT_FALSE(wrote);
  }
}

TEST(RewriteLines, SameSeedSameOutput) {
  const std::string_view text = "one\ntwo\nthree\nfour\nfive\nsix\nseven\n";
  EXPECT_EQ(Rewrite<char>(text, 99), Rewrite<char>(text, 99));
  EXPECT_NE(Rewrite<char>(text, 99), Rewrite<char>(text, 100));
}

}  // namespace
}  // namespace wyc
