// The output assembled in blocks, by any number of workers, is the plain join of the lines.
#include "cli/rewrite_output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "cli/block_pipeline.h"
#include "tests/support/article_generator.h"

namespace wyc::cli {
namespace {

TEST(RewriteOutput, BlocksOfAnySizeJoinToTheLinesWithTheirSeparators) {
  std::mt19937 engine(9);
  for (int round = 0; round < 200; ++round) {
    auto lines = test::ReferenceSplit<char16_t>(
        test::Join(test::GenerateLines<char16_t>(engine, 30, kLf<char16_t>), kLf<char16_t>),
        kLf<char16_t>, true);
    std::string expected;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (const char16_t unit : lines[i] + (i + 1 < lines.size() ? u"\n\n" : u"\n")) {
        expected += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
      }
    }
    const LineList<char16_t> views(lines.begin(), lines.end());
    const std::size_t blockBytes = 2 * (1 + engine() % 9);
    const RewriteOutput<char16_t> output(views, kLf<char16_t>, blockBytes, true);
    const std::size_t workers = round % 4;
    BlockPipeline pipeline(blockBytes, workers);
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    OutputWriter writer(file);
    pipeline.run(
        output.blocks(), [&output](auto block, char* slot) { return output.fill(block, slot); },
        writer);
    ASSERT_EQ(writer.finish(), 0);
    std::string written(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    ASSERT_EQ(std::fread(written.data(), 1, written.size(), file), written.size());
    std::fclose(file);
    EXPECT_EQ(written, expected) << "block " << blockBytes << ", workers " << workers;
  }
}

}  // namespace
}  // namespace wyc::cli
