// libFuzzer target: the filter, the shuffle, the shared rewrite and the command line's block
// output on text of bytes, UTF-16 or UTF-32 units, each against the reference split.
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

  // One draw per line, a blank line between lines, and the shared rewrite gives the same text
  // for the same draws.
  wyc::test::ScriptedSource window(control);
  wyc::test::ScriptedSource shared(control);
  const Text shuffled = wyc::RndLine<CharT>(filtered, window);
  Check(window.draws() == kept.size() && wyc::RewriteArticle<CharT>(text, shared) == shuffled);

  // Fed as it arrives, in pieces that may end inside a CR LF, the text splits the same way.
  wyc::LineScanner<CharT, false> scanner(crlf);
  std::vector<Text> streamed;
  const auto keep = [&streamed](wyc::ArticleView<CharT> line) {
    if (!line.empty()) streamed.emplace_back(line);
  };
  for (std::size_t end = 0; end < text.size(); end += control % 7 + 1)
    scanner.feed(text.substr(0, end), keep);
  scanner.finish(text, keep);
  Check(streamed == kept);

  // Cut into parts, the text keeps its non-empty lines; in blocks of any size, the output is
  // each of them followed by the line break twice, the last by one, in the right byte order.
  const auto lf = wyc::kLf<CharT>;
  std::vector<wyc::ArticleView<CharT>> views;
  for (const auto part : wyc::CutAtSeparators(text, lf, control % 5 + 1)) {
    const auto partLines = wyc::NonEmptyLines(part, lf);
    views.insert(views.end(), partLines.begin(), partLines.end());
  }
  Check(std::vector<Text>(views.begin(), views.end()) == wyc::test::ReferenceSplit(text, lf, true));
  const bool bigEndian = (control & 1) != 0;
  const std::size_t blockBytes = sizeof(CharT) * (control % 7 + 1);
  const wyc::cli::RewriteOutput<CharT> output(views, lf, blockBytes, bigEndian);
  std::string bytes(blockBytes * output.blocks(), '\0');
  std::size_t used = 0;
  for (std::size_t i = 0; i < output.blocks(); ++i) used += output.fill(i, bytes.data() + used);
  Text joined =
      wyc::JoinLines<CharT>(views, Text(lf) + Text(lf)) + (views.empty() ? Text() : Text(lf));
  Check(wyc::cli::DecodeUnits<CharT>(bytes.substr(0, used), bigEndian) == joined);
}

// A unit per byte; bytes from 0xF0 up stand for units as wide as CharT, with distinct bytes.
template <class CharT>
void CheckUnits(const std::uint8_t* data, std::size_t size, std::uint8_t control) {
  std::basic_string<CharT> text(size, CharT{});
  for (std::size_t i = 0; i < size; ++i)
    text[i] = static_cast<CharT>(data[i] < 0xF0 ? data[i] : data[i] * 0x01020304U);
  CheckText<CharT>(text, control);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const auto control = static_cast<std::uint8_t>(data[0] >> 2);
  if ((data[0] & 3) == 1) CheckUnits<char16_t>(data + 1, size - 1, control);
  if ((data[0] & 3) == 2) CheckUnits<char32_t>(data + 1, size - 1, control);
  if ((data[0] & 3) == 0) CheckUnits<char>(data + 1, size - 1, control);
  return 0;
}
