// libFuzzer target: the filter, the shuffle, the shared rewrite and the command line's block
// output on arbitrary text of bytes, UTF-16 or UTF-32 units, each against the reference split.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/rewrite_output.h"
#include "core/rewrite.h"
#include "tests/support/article_generator.h"
#include "tests/support/scripted_source.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

template <class CharT>
void CheckText(wyc::ArticleView<CharT> text, std::uint8_t control) {
  using Text = wyc::ArticleText<CharT>;
  const auto crlf = wyc::kCrLf<CharT>;
  const auto kept = wyc::test::ReferenceSplit(text, crlf, true);
  const Text filtered = wyc::LineFilter<CharT>(text);
  Check(wyc::test::ReferenceSplit<CharT>(filtered, crlf) == kept);

  // The shuffle draws once per line and returns the same lines, a blank line between them; the
  // shared rewrite gives the same text for the same draws.
  wyc::test::CountingSource window(control);
  wyc::test::CountingSource shared(control);
  const Text shuffled = wyc::RndLine<CharT>(filtered, window);
  Check(window.draws() == kept.size() && wyc::RewriteArticle<CharT>(text, shared) == shuffled);
  auto lines = wyc::test::ReferenceSplit<CharT>(shuffled, wyc::kCrLfCrLf<CharT>);
  auto expected = kept;
  std::sort(lines.begin(), lines.end());
  std::sort(expected.begin(), expected.end());
  Check(lines == expected);

  // Cut into parts, the text keeps its non-empty lines; in blocks of any size, the output is
  // each of them followed by the line break twice, the last by one.
  const auto lf = wyc::kLf<CharT>;
  std::vector<wyc::ArticleView<CharT>> views;
  for (const auto part : wyc::CutAtSeparators(text, lf, control % 5 + 1)) {
    const auto partLines = wyc::NonEmptyLines(part, lf);
    views.insert(views.end(), partLines.begin(), partLines.end());
  }
  Check(std::vector<Text>(views.begin(), views.end()) == wyc::test::ReferenceSplit(text, lf, true));
  const std::size_t blockBytes = sizeof(CharT) * (control % 7 + 1);
  const wyc::cli::RewriteOutput<CharT> output(views, lf, blockBytes, (control & 1) != 0);
  std::string bytes(blockBytes * output.blocks(), '\0');
  std::size_t used = 0;
  for (std::size_t block = 0; block < output.blocks(); ++block) {
    used += output.fill(block, bytes.data() + used);
  }
  Text joined = wyc::JoinLines<CharT>(views, Text(lf) + Text(lf));
  if (!views.empty()) joined += lf;
  std::string encoded(joined.size() * sizeof(CharT), '\0');
  wyc::cli::EncodeUnits<CharT>(joined, (control & 1) != 0, encoded.data());
  Check(bytes.substr(0, used) == encoded);
  Check(wyc::cli::DecodeUnits<CharT>(encoded, (control & 1) != 0) == joined);
}

// Units of `width` bytes; a unit whose high byte is 0xFF is its low byte alone, so that the
// line breaks the interesting cases are about are common in wide text too.
template <class CharT>
void CheckUnits(const std::uint8_t* data, std::size_t size, std::uint8_t control) {
  std::basic_string<CharT> text(size / sizeof(CharT), CharT{});
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint8_t* unit = data + i * sizeof(CharT);
    std::uint32_t value = 0;
    for (std::size_t b = 0; b < sizeof(CharT); ++b) value |= std::uint32_t{unit[b]} << (8 * b);
    text[i] = static_cast<CharT>(unit[sizeof(CharT) - 1] == 0xFF ? unit[0] : value);
  }
  CheckText<CharT>(text, control);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t control = data[0] >> 2;
  switch (data[0] & 3) {
    case 1:
      CheckUnits<char16_t>(data + 1, size - 1, control);
      break;
    case 2:
      CheckUnits<char32_t>(data + 1, size - 1, control);
      break;
    default:
      CheckUnits<char>(data + 1, size - 1, control);
  }
  return 0;
}
