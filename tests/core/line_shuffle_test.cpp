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

using test::ScriptedSource;

TEST(RndLine, SmallTextsGiveTheirExactResultAndDrawOncePerLine) {
  struct Row {
    std::u16string_view text;
    std::vector<double> draws;
    std::u16string_view result;
  };
  const Row rows[] = {
      {u"", {0.5}, u""},  // no draw at all
      {u"abc", {0.7}, u"abc"},
      // k = 2, 0, 1: ABC -> CBA -> BCA -> BAC.
      {u"A\r\nB\r\nC", {0.9, 0.1, 0.5}, u"B\r\n\r\nA\r\n\r\nC"},
      {u"a\r\nb", {0.0, 0.0}, u"b\r\n\r\na"},
      {u"a\r\nb", {0.99, 0.0}, u"a\r\n\r\nb"},
      // Empty lines are shuffled like any other when the text still has them.
      {u"a\r\n", {0.6, 0.0}, u"a\r\n\r\n"},
      {u"a\r\n", {0.0, 0.2}, u"\r\n\r\na"},
      // A lone LF or CR travels with its line; the largest draw below 1 stays in range.
      {u"x\ny\r\nz\r", {std::nextafter(1.0, 0.0)}, u"z\r\r\n\r\nx\ny"},
  };
  for (const auto& row : rows) {
    ScriptedSource source(row.draws);
    EXPECT_EQ(RndLine(row.text, source), row.result);
    EXPECT_EQ(source.draws(), test::ReferenceSplit(row.text, kCrLf<char16_t>).size());
  }
}

TEST(RndLine, OutputHoldsEachInputLineOnceSeparatedByBlankLines) {
  std::mt19937 engine(5);
  for (int round = 0; round < 300; ++round) {
    const auto lines = test::GenerateLines<char16_t>(engine, 20, kCrLf<char16_t>);
    test::CountingSource source(static_cast<std::uint64_t>(round));
    auto output = test::ReferenceSplit<char16_t>(
        RndLine(test::Join<char16_t>(lines, kCrLf<char16_t>), source), kCrLfCrLf<char16_t>);
    auto expected = lines.size() == 1 && lines[0].empty() ? decltype(lines){} : lines;
    EXPECT_EQ(source.draws(), expected.size());
    std::sort(output.begin(), output.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(output, expected);
  }
}

TEST(RndLine, PartnersComeFromTheWholeList) {
  // With partners drawn from 0..n for every position, the 27 equally likely partner sequences
  // of three lines give the orders 4, 5, 5, 5, 4, 4 times out of 27: unlike Fisher-Yates.
  std::map<std::u16string, int> orders;
  for (int draws = 0; draws < 27; ++draws) {
    ScriptedSource source(
        {(draws % 3 + 0.5) / 3, (draws / 3 % 3 + 0.5) / 3, (draws / 9 + 0.5) / 3});
    ++orders[RndLine(u"A\r\nB\r\nC", source)];
  }
  std::vector<int> counts;
  for (const auto& [order, count] : orders) counts.push_back(count);
  std::sort(counts.begin(), counts.end());
  EXPECT_EQ(counts, (std::vector<int>{4, 4, 4, 5, 5, 5}));
}

}  // namespace
}  // namespace wyc
