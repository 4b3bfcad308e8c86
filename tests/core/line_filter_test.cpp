// LineFilter and the non-empty lines: empty lines go, every other line stays once and in order.
#include "core/line_filter.h"

#include <gtest/gtest.h>

#include "tests/support/article_generator.h"

namespace wyc {
namespace {

template <class CharT>
class LineFilterTest : public ::testing::Test {};
using CodeUnits = ::testing::Types<char, char16_t, char32_t>;
TYPED_TEST_SUITE(LineFilterTest, CodeUnits);

TYPED_TEST(LineFilterTest, DropsExactlyTheEmptyLines) {
  // A lone LF or CR is part of its line; a line of spaces is not empty.
  const std::string_view rows[][2] = {
      {"a\r\n\r\nb\r\n", "a\r\nb"},
      {"\na\rb", "\na\rb"},
      {" \r\n\r\nb", " \r\nb"},
      {"a\r\r\n\nb\r\n", "a\r\r\n\nb"},
      {"", ""},
      {"\r\n\r\n", ""},
      {"请输入您要伪原创的内容\r\n", "请输入您要伪原创的内容"},
  };
  for (const auto& [input, output] : rows) {
    EXPECT_EQ(LineFilter<TypeParam>(test::Widen<TypeParam>(input)), test::Widen<TypeParam>(output))
        << ::testing::PrintToString(input);
  }
}

TEST(NonEmptyLines, MatchTheReferenceSplitForAnyNumberOfThreads) {
  std::mt19937 engine(11);
  for (int round = 0; round < 300; ++round) {
    for (const auto separator : {kCrLf<char16_t>, kLf<char16_t>}) {
      const auto text = test::GenerateText<char16_t>(engine, 15, separator);
      const auto lines = NonEmptyLines<char16_t>(text, separator);
      EXPECT_EQ(std::vector<std::u16string>(lines.begin(), lines.end()),
                test::ReferenceSplit<char16_t>(text, separator, true));
    }
  }
  // Large enough to be cut into parts, some cuts falling inside runs of empty lines.
  std::string text;
  while (text.size() < (std::size_t{13} << 20)) {
    text += test::GenerateText<char>(engine, 40, kCrLf<char>) + "\r\n";
  }
  const auto alone = NonEmptyLines<char>(text, kCrLf<char>, 1);
  ASSERT_EQ(alone.size(), test::ReferenceSplit<char>(text, kCrLf<char>, true).size());
  for (const std::size_t threads : {2, 3, 8}) {
    EXPECT_EQ(NonEmptyLines<char>(text, kCrLf<char>, threads), alone) << threads;
  }
}

}  // namespace
}  // namespace wyc
