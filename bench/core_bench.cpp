// The rewrite on generated articles from 1 KB to 100 MB: the window's two steps on UTF-16 and
// bytes, and the command line's rewrite into output blocks on bytes, on one thread.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "cli/rewrite_output.h"
#include "core/line_filter.h"
#include "core/line_shuffle.h"
#include "core/rewrite.h"

namespace {

// About `units` code units of article: lines of 10 to 70 CJK characters (UTF-8 for bytes,
// one unit each in UTF-16), a fifth of the lines empty.
template <class CharT>
std::basic_string<CharT> MakeArticle(std::size_t units, std::basic_string_view<CharT> lineBreak) {
  std::mt19937 engine(1);
  std::uniform_int_distribution<int> length(10, 70);
  std::uniform_int_distribution<char32_t> letter(0x4E00, 0x9FA5);
  std::basic_string<CharT> text;
  text.reserve(units + 256);
  while (text.size() < units) {
    if (engine() % 5 != 0) {
      for (int n = length(engine); n > 0; --n) {
        const char32_t c = letter(engine);
        if constexpr (sizeof(CharT) == 1) {
          text.push_back(static_cast<CharT>(0xE0 | (c >> 12)));
          text.push_back(static_cast<CharT>(0x80 | ((c >> 6) & 0x3F)));
          text.push_back(static_cast<CharT>(0x80 | (c & 0x3F)));
        } else {
          text.push_back(static_cast<CharT>(c));
        }
      }
    }
    text += lineBreak;
  }
  return text;
}

void WindowRewriteUtf16(benchmark::State& state) {
  const auto units = static_cast<std::size_t>(state.range(0)) / 2;
  const std::u16string article = MakeArticle<char16_t>(units, wyc::kCrLf<char16_t>);
  wyc::MersenneTwisterSource source(1);
  for (auto _ : state) {
    std::u16string result = wyc::RndLine(wyc::LineFilter(article), source);
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * article.size() * 2));
}

void CommandLineRewriteBytes(benchmark::State& state) {
  const auto units = static_cast<std::size_t>(state.range(0));
  const std::string article = MakeArticle<char>(units, wyc::kLf<char>);
  wyc::MersenneTwisterSource source(1);
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  std::string block(kBlock, '\0');
  for (auto _ : state) {
    // The command line's work on one thread, its output blocks filled into one buffer.
    const auto lines = wyc::ShuffledNonEmptyLines<char>(article, wyc::kLf<char>, source);
    const wyc::cli::RewriteOutput<char> output(lines, wyc::kLf<char>, kBlock, false);
    for (std::size_t i = 0; i < output.blocks(); ++i) output.fill(i, block.data());
    benchmark::DoNotOptimize(block.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * article.size()));
}

void WindowRewriteBytes(benchmark::State& state) {
  const auto units = static_cast<std::size_t>(state.range(0));
  const std::string article = MakeArticle<char>(units, wyc::kCrLf<char>);
  wyc::MersenneTwisterSource source(1);
  for (auto _ : state) {
    std::string result = wyc::RndLine(wyc::LineFilter(article), source);
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * article.size()));
}

constexpr std::int64_t kKB = 1000;
BENCHMARK(WindowRewriteUtf16)
    ->RangeMultiplier(10)
    ->Range(kKB, 100'000 * kKB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WindowRewriteBytes)
    ->RangeMultiplier(10)
    ->Range(kKB, 100'000 * kKB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CommandLineRewriteBytes)
    ->RangeMultiplier(10)
    ->Range(kKB, 100'000 * kKB)
    ->Unit(benchmark::kMillisecond);

}  // namespace
