// RndLine and the shared rewrite: the swap shuffle with its exact draws, and its result's shape.
#include "core/line_shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/rewrite.h"
#include "tests/support/article_generator.h"
#include "tests/support/scripted_source.h"

namespace wyc {
namespace {

using test::ScriptedSource;

TEST(RndLine, SmallTextsGiveTheirExactResultAfterOneDrawPerLine) {
  struct Row {
    std::u16string_view text;
    std::vector<double> draws;
    std::u16string_view result;
  };
  const Row rows[] = {
      {u"", {0.5}, u""},                                          // no draw at all
      {u"A\r\nB\r\nC", {0.9, 0.1, 0.5}, u"B\r\n\r\nA\r\n\r\nC"},  // ABC, CBA, BCA, BAC
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

TEST(RndLine, KeepsEachLineOnceAndTheSharedRewriteEqualsItAfterLineFilter) {
  std::mt19937 engine(5);
  for (std::uint64_t seed = 0; seed < 300; ++seed) {
    const auto text = test::GenerateText<char16_t>(engine, 20, kCrLf<char16_t>);
    ScriptedSource source(seed);
    auto output = test::ReferenceSplit<char16_t>(RndLine(text, source), kCrLfCrLf<char16_t>);
    auto expected = test::ReferenceSplit<char16_t>(text, kCrLf<char16_t>);
    EXPECT_EQ(source.draws(), expected.size());
    std::sort(output.begin(), output.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(output, expected);

    ScriptedSource window(seed);
    ScriptedSource shared(seed);
    EXPECT_EQ(RewriteArticle(text, shared), RndLine(LineFilter(text), window));
    EXPECT_EQ(shared.draws(), window.draws());
  }
}

}  // namespace
}  // namespace wyc
