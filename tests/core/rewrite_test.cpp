// The shared rewrite: the window's one pass against its two steps.
#include "core/rewrite.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/article_generator.h"
#include "tests/support/scripted_source.h"

namespace wyc {
namespace {

TEST(RewriteArticle, EqualsRndLineOfLineFilterForTheSameDraws) {
  std::mt19937 engine(3);
  for (int round = 0; round < 300; ++round) {
    const auto text =
        test::Join(test::GenerateLines<char16_t>(engine, 20, kCrLf<char16_t>), kCrLf<char16_t>);
    test::CountingSource window(static_cast<std::uint64_t>(round));
    test::CountingSource shared(static_cast<std::uint64_t>(round));
    EXPECT_EQ(RewriteArticle(text, shared), RndLine(LineFilter(text), window));
    EXPECT_EQ(shared.draws(), window.draws());
  }
}

}  // namespace
}  // namespace wyc
