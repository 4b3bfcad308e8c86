// libFuzzer target: the filter, the shuffle and the streamed rewrite on arbitrary text, checked
// against a plain reference split and against each other.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/line_filter.h"
#include "core/line_shuffle.h"
#include "core/rewrite.h"
#include "tests/support/scripted_source.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// The obvious split, independent of the one under test.
template <class CharT>
std::vector<wyc::ArticleText<CharT>> ReferenceSplit(wyc::ArticleView<CharT> text,
                                                    wyc::ArticleView<CharT> separator) {
  std::vector<wyc::ArticleText<CharT>> pieces;
  if (text.empty()) return pieces;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != wyc::ArticleView<CharT>::npos;) {
    pieces.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

template <class CharT>
void CheckText(wyc::ArticleView<CharT> text, std::uint64_t seed) {
  const auto crlf = wyc::kCrLf<CharT>;
  // The filter keeps exactly the non-empty lines, in order.
  std::vector<wyc::ArticleText<CharT>> kept;
  for (auto& line : ReferenceSplit(text, crlf)) {
    if (!line.empty()) kept.push_back(std::move(line));
  }
  const auto filtered = wyc::LineFilter<CharT>(text);
  Check(ReferenceSplit<CharT>(filtered, crlf) == kept);

  // The shuffle draws once per line and returns the same lines, a blank line between them.
  wyc::test::CountingSource window(seed);
  const auto shuffled = wyc::RndLine<CharT>(filtered, window);
  Check(window.draws() == kept.size());
  auto lines = ReferenceSplit<CharT>(shuffled, wyc::kCrLfCrLf<CharT>);
  auto expected = kept;
  std::sort(lines.begin(), lines.end());
  std::sort(expected.begin(), expected.end());
  Check(lines == expected);

  // The streamed rewrite gives the window's result for the same draws, plus a final break.
  const auto lineBreak = wyc::DetectLineBreak(text);
  wyc::test::CountingSource streamed(seed);
  wyc::ArticleText<CharT> out;
  const bool wrote = wyc::RewriteLines(text, lineBreak, streamed,
                                       [&out](wyc::ArticleView<CharT> piece) { out += piece; });
  if (lineBreak == crlf) {
    Check(wrote == !kept.empty() && streamed.draws() == kept.size());
    Check(wrote ? out == shuffled + wyc::ArticleText<CharT>(crlf) : out.empty());
  } else {
    // LF text: the same property with LF as the line break.
    std::vector<wyc::ArticleText<CharT>> lfLines;
    for (auto& line : ReferenceSplit(text, lineBreak)) {
      if (!line.empty()) lfLines.push_back(std::move(line));
    }
    Check(wrote == !lfLines.empty() && streamed.draws() == lfLines.size());
    if (wrote) {
      Check(out.ends_with(lineBreak));
      wyc::ArticleText<CharT> doubled(lineBreak);
      doubled += lineBreak;
      auto outLines = ReferenceSplit<CharT>(
          wyc::ArticleView<CharT>(out).substr(0, out.size() - lineBreak.size()), doubled);
      std::sort(outLines.begin(), outLines.end());
      std::sort(lfLines.begin(), lfLines.end());
      Check(outLines == lfLines);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const bool utf16 = (data[0] & 1) != 0;
  const std::uint64_t seed = data[0] >> 1;
  ++data;
  --size;
  if (utf16) {
    // Pairs of bytes as units, with the bytes 0x0D and 0x0A widened so that line breaks are
    // common: the interesting cases are all about them.
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto unit = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
      text[i] = data[2 * i + 1] == 0xFF ? static_cast<char16_t>(data[2 * i]) : unit;
    }
    CheckText<char16_t>(text, seed);
  } else {
    CheckText<char>(std::string_view(reinterpret_cast<const char*>(data), size), seed);
  }
  return 0;
}
