// RndLine: the swap shuffle with its exact draws, and its result's shape.
#include "core/line_shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "tests/support/article_generator.h"
#include "tests/support/scripted_source.h"

namespace wyc {
namespace {

using test::CountingSource;
using test::ScriptedSource;

TEST(RndLine, SwapsEachPositionWithTheDrawnPartnerInAscendingOrder) {
  // k = 2, 0, 1: ABC -> CBA -> BCA -> BAC.
  ScriptedSource source({0.9, 0.1, 0.5});
  EXPECT_EQ(RndLine(u"A\r\nB\r\nC", source), u"B\r\n\r\nA\r\n\r\nC");
  EXPECT_EQ(source.draws(), 3U);
}

TEST(RndLine, DrawsOncePerLineAndNeverForTheEmptyText) {
  struct Row {
    std::u16string_view text;
    std::size_t draws;
  };
  const Row rows[] = {{u"", 0}, {u"abc", 1}, {u"a\r\n", 2}, {u"a\r\nb\r\n\r\nc", 4}};
  for (const auto& row : rows) {
    ScriptedSource source({0.3});
    (void)RndLine(row.text, source);
    EXPECT_EQ(source.draws(), row.draws) << ::testing::PrintToString(std::u16string(row.text));
  }
}

TEST(RndLine, SmallTextsComeOutInOneOfTheirOrders) {
  struct Row {
    std::u16string_view text;
    std::vector<std::u16string_view> allowed;
  };
  const Row rows[] = {
      {u"", {u""}},
      {u"abc", {u"abc"}},
      {u"a\r\nb", {u"a\r\n\r\nb", u"b\r\n\r\na"}},
      // Empty lines are shuffled like any other when the text still has them.
      {u"a\r\n", {u"a\r\n\r\n", u"\r\n\r\na"}},
      // A lone LF or CR travels with its line.
      {u"x\ny\r\nz\r", {u"x\ny\r\n\r\nz\r", u"z\r\r\n\r\nx\ny"}},
  };
  for (const auto& row : rows) {
    for (const double r : {0.0, 0.49, 0.5, 0.99}) {
      ScriptedSource source({r});
      const std::u16string result = RndLine(row.text, source);
      EXPECT_NE(std::find(row.allowed.begin(), row.allowed.end(), result), row.allowed.end())
          << "r=" << r;
    }
  }
}

TEST(RndLine, LargestDrawStaysInRangeAndKeepsAPermutation) {
  for (const std::size_t count : {1U, 2U, 3U, 1000U, 12345U}) {
    std::vector<std::size_t> items(count);
    for (std::size_t i = 0; i < count; ++i) items[i] = i;
    ScriptedSource source({std::nextafter(1.0, 0.0)});
    ShuffleLines(std::span{items}, source);
    // Position 0 takes the last item first and is never touched again.
    EXPECT_EQ(items.front(), count - 1);
    std::sort(items.begin(), items.end());
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(items[i], i);
  }
}

TEST(RndLine, OutputHoldsEachInputLineOnceSeparatedByBlankLines) {
  std::mt19937 engine(5);
  for (int round = 0; round < 300; ++round) {
    const auto lines = test::GenerateLines<char16_t>(engine, 20, kCrLf<char16_t>);
    const std::u16string input = test::Join<char16_t>(lines, kCrLf<char16_t>);
    CountingSource source(static_cast<std::uint64_t>(round));
    const std::u16string output = RndLine(input, source);

    std::map<std::u16string_view, int> expected;
    for (const auto line : SplitLines<char16_t>(input, kCrLf<char16_t>)) ++expected[line];
    std::map<std::u16string_view, int> actual;
    for (const auto line : SplitLines<char16_t>(output, kCrLfCrLf<char16_t>)) ++actual[line];
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(source.draws(), SplitLines<char16_t>(input, kCrLf<char16_t>).size());
    EXPECT_EQ(output.size(), input.empty() ? 0 : input.size() + 2 * (source.draws() - 1));
  }
}

TEST(RndLine, PartnersComeFromTheWholeList) {
  // With partners drawn from 0..n for every position, the 27 equally likely partner sequences
  // of three lines give the orders 4, 5, 5, 5, 4, 4 times out of 27: unlike Fisher-Yates.
  std::map<std::u16string, int> orders;
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      for (int c = 0; c < 3; ++c) {
        ScriptedSource source({(a + 0.5) / 3, (b + 0.5) / 3, (c + 0.5) / 3});
        ++orders[RndLine(u"A\r\nB\r\nC", source)];
      }
    }
  }
  std::vector<int> counts;
  for (const auto& [order, count] : orders) counts.push_back(count);
  std::sort(counts.begin(), counts.end());
  EXPECT_EQ(counts, (std::vector<int>{4, 4, 4, 5, 5, 5}));
}

}  // namespace
}  // namespace wyc
