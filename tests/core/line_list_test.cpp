// Splitting at an exact separator and joining again, for bytes and UTF-16 alike.
#include "core/line_list.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/article_generator.h"

namespace wyc {
namespace {

std::vector<std::string> Pieces(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  for (const auto line : SplitLines(text, separator)) pieces.emplace_back(line);
  return pieces;
}

TEST(SplitLines, FollowsTheSeparatorExactly) {
  struct Row {
    std::string_view text;
    std::vector<std::string> pieces;
  };
  const Row rows[] = {
      {"", {}},
      {"abc", {"abc"}},
      {"\r\n", {"", ""}},
      {"a\r\n\r\nb\r\n", {"a", "", "b", ""}},
      {"a\nb\rc", {"a\nb\rc"}},            // lone LF and CR are ordinary units
      {"a\r\r\nb", {"a\r", "b"}},          // CR before the separator stays in the line
      {"a\r\n\nb", {"a", "\nb"}},          // LF after the separator starts the next line
      {"\r\n\r\n\r\n", {"", "", "", ""}},  // k separators, k + 1 pieces
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Pieces(row.text, "\r\n"), row.pieces) << ::testing::PrintToString(row.text);
  }
}

TEST(SplitLines, SingleUnitSeparator) {
  EXPECT_EQ(Pieces("a\n\nb\r\n", "\n"), (std::vector<std::string>{"a", "", "b\r", ""}));
}

TEST(SplitLines, WorksOnUtf16) {
  const std::u16string_view text = u"朔屿\r\n\r\n伪原创\n";
  const auto lines = SplitLines(text, kCrLf<char16_t>);
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(lines[0], u"朔屿");
  EXPECT_EQ(lines[1], u"");
  EXPECT_EQ(lines[2], u"伪原创\n");
}

TEST(SplitLines, LinesBorrowFromTheText) {
  const std::string text = "first\r\nsecond";
  const auto lines = SplitLines<char>(text, kCrLf<char>);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[1].data(), text.data() + 7);
}

TEST(JoinLines, PutsTheSeparatorBetweenLinesOnly) {
  const std::string_view lines[] = {"a", "", "b"};
  EXPECT_EQ(JoinLines<char>(lines, kCrLfCrLf<char>), "a\r\n\r\n\r\n\r\nb");
  EXPECT_EQ(JoinLines<char>(std::span<const std::string_view>{}, kCrLf<char>), "");
  EXPECT_EQ(JoinedLength<char>(lines, kCrLfCrLf<char>), 10U);
}

TEST(SplitLines, SplittingAJoinGivesTheLinesBack) {
  std::mt19937 engine(7);
  for (int round = 0; round < 300; ++round) {
    for (const auto separator : {kCrLf<char16_t>, kLf<char16_t>}) {
      const auto lines = test::GenerateLines<char16_t>(engine, 12, separator);
      const std::u16string text = test::Join<char16_t>(lines, separator);
      const auto split = SplitLines<char16_t>(text, separator);
      // The empty text has no line, not one empty line.
      if (text.empty()) {
        EXPECT_TRUE(split.empty());
        continue;
      }
      ASSERT_EQ(split.size(), lines.size());
      for (std::size_t i = 0; i < split.size(); ++i) EXPECT_EQ(split[i], lines[i]);
      EXPECT_LE(split.size(), MaxLineCount<char16_t>(text, separator));
      EXPECT_EQ(JoinLines<char16_t>(split, separator), text);
    }
  }
}

}  // namespace
}  // namespace wyc
