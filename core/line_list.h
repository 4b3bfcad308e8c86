// Splitting an article text into its line list and joining lines again.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <span>

#include "core/article_text.h"

namespace wyc {

// Calls visit(piece) for every piece of `text` between separators, in order: a text with
// k separators has k + 1 pieces (pieces may be empty); the empty text has none. The
// separator matches exactly; a part of it on its own (a lone CR of CR LF) is ordinary text.
template <class CharT, class Visit>
void ForEachLine(ArticleView<CharT> text, ArticleView<CharT> separator, Visit&& visit) {
  assert(!separator.empty());
  if (text.empty()) return;
  // Searching for the separator's last unit lets single-unit finds (memchr for bytes) do the
  // scanning; the units before it are then checked in place.
  const CharT last = separator.back();
  const std::size_t lead = separator.size() - 1;
  std::size_t start = 0;
  std::size_t scan = lead;
  for (;;) {
    const std::size_t at = text.find(last, scan);
    if (at == ArticleView<CharT>::npos) break;
    if (text.compare(at - lead, lead, separator.data(), lead) == 0) {
      visit(text.substr(start, at - lead - start));
      start = at + 1;
      scan = start + lead;
    } else {
      scan = at + 1;
    }
  }
  visit(text.substr(start));
}

// An upper bound on the number of pieces, cheap enough to size a list before splitting.
template <class CharT>
std::size_t MaxLineCount(ArticleView<CharT> text, ArticleView<CharT> separator) {
  if (text.empty()) return 0;
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), separator.back())) + 1;
}

template <class CharT>
LineList<CharT> SplitLines(ArticleView<CharT> text, ArticleView<CharT> separator) {
  LineList<CharT> lines;
  lines.reserve(MaxLineCount(text, separator));
  ForEachLine(text, separator, [&lines](ArticleView<CharT> line) { lines.push_back(line); });
  return lines;
}

template <class CharT>
std::size_t JoinedLength(std::span<const ArticleView<CharT>> lines, ArticleView<CharT> separator) {
  if (lines.empty()) return 0;
  std::size_t length = separator.size() * (lines.size() - 1);
  for (const auto line : lines) length += line.size();
  return length;
}

// Hands `sink` the joined text piece by piece (separator between consecutive lines only), so a
// caller can stream it without building it.
template <class CharT, class Sink>
void ForEachJoinedPiece(std::span<const ArticleView<CharT>> lines, ArticleView<CharT> separator,
                        Sink&& sink) {
  bool first = true;
  for (const auto line : lines) {
    if (!first) sink(separator);
    sink(line);
    first = false;
  }
}

template <class CharT>
ArticleText<CharT> JoinLines(std::span<const ArticleView<CharT>> lines,
                             ArticleView<CharT> separator) {
  ArticleText<CharT> joined;
  joined.reserve(JoinedLength(lines, separator));
  ForEachJoinedPiece(lines, separator, [&joined](ArticleView<CharT> piece) { joined += piece; });
  return joined;
}

}  // namespace wyc
