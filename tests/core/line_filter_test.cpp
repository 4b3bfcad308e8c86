// LineFilter: empty lines go, every other line stays once and in order.
#include "core/line_filter.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/article_generator.h"
#include "tests/support/widen.h"

namespace wyc {
namespace {

template <class CharT>
class LineFilterTest : public ::testing::Test {};
using CodeUnits = ::testing::Types<char, char16_t>;
TYPED_TEST_SUITE(LineFilterTest, CodeUnits);

TYPED_TEST(LineFilterTest, DropsExactlyTheEmptyLines) {
  using test::Widen;
  struct Row {
    std::string_view input, output;
  };
  const Row rows[] = {
      {"a\r\n\r\nb\r\n", "a\r\nb"},
      {"\r\n\r\nx", "x"},
      {"a\r\nb", "a\r\nb"},
      {"abc", "abc"},
      {"a\nb", "a\nb"},  // a lone LF or CR is part of its line
      {"a\rb", "a\rb"},
      {" \r\n\r\nb", " \r\nb"},  // whitespace is not empty
      {"\t\r\n\n\r\n\r\r\n", "\t\r\n\n\r\n\r"},
      {"", ""},  // nothing to keep: the empty text
      {"\r\n", ""},
      {"\r\n\r\n\r\n", ""},
  };
  for (const auto& row : rows) {
    const auto input = Widen<TypeParam>(row.input);
    EXPECT_EQ(LineFilter<TypeParam>(input), Widen<TypeParam>(row.output))
        << ::testing::PrintToString(row.input);
  }
}

TEST(LineFilter, PlaceholderLosesItsLineBreak) {
  EXPECT_EQ(LineFilter(u"请输入您要伪原创的内容\r\n"), u"请输入您要伪原创的内容");
}

TEST(LineFilter, LeavesTheInputAlone) {
  const std::u16string input = u"a\r\n\r\nb";
  const std::u16string copy = input;
  (void)LineFilter(input);
  EXPECT_EQ(input, copy);
}

TEST(LineFilter, KeepsEveryNonEmptyLineOnceInOrder) {
  std::mt19937 engine(11);
  for (int round = 0; round < 500; ++round) {
    const auto lines = test::GenerateLines<char16_t>(engine, 15, kCrLf<char16_t>);
    std::vector<std::u16string> kept;
    for (const auto& line : lines) {
      if (!line.empty()) kept.push_back(line);
    }
    const std::u16string input = test::Join<char16_t>(lines, kCrLf<char16_t>);
    EXPECT_EQ(LineFilter(input), test::Join<char16_t>(kept, kCrLf<char16_t>));
  }
}

}  // namespace
}  // namespace wyc
