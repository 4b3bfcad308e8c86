// Splitting an article text into its line list and joining lines again.
#pragma once

#include <cassert>
#include <cstddef>
#include <span>

#include "core/article_text.h"

namespace wyc {

// Calls visit(piece) for every piece of `text` between separators, in order: a text with
// k separators has k + 1 pieces (pieces may be empty); the empty text has none. The
// separator matches exactly; a part of it on its own (a lone CR of CR LF) is ordinary text.
// Without kVisitRuns, the empty pieces inside a run of separators are stepped over unvisited.
template <bool kVisitRuns = true, class CharT, class Visit>
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
    if constexpr (!kVisitRuns) {
      // Input of bare line breaks would otherwise cost a search per empty line.
      std::size_t after = start;
      for (std::size_t i = 0;
           after + separator.size() <= text.size() && text[after + i] == separator[i];) {
        if (++i == separator.size()) {
          after += i;  // a unit loop: memcmp per line break costs more than the search
          i = 0;
        }
      }
      if (after != start) {
        start = after;
        scan = start + lead;
      }
    }
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

// Every piece of `text`, empty ones included. A counting pass sizes the list exactly.
template <class CharT>
LineList<CharT> SplitLines(ArticleView<CharT> text, ArticleView<CharT> separator) {
  std::size_t count = 0;
  ForEachLine(text, separator, [&count](ArticleView<CharT>) { ++count; });
  LineList<CharT> lines;
  lines.reserve(count);
  ForEachLine(text, separator, [&lines](ArticleView<CharT> line) { lines.push_back(line); });
  return lines;
}

template <class CharT>
ArticleText<CharT> JoinLines(std::span<const ArticleView<CharT>> lines,
                             ArticleView<CharT> separator) {
  std::size_t length = lines.empty() ? 0 : separator.size() * (lines.size() - 1);
  for (const auto line : lines) length += line.size();
  ArticleText<CharT> joined;
  joined.reserve(length);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i != 0) joined += separator;
    joined += lines[i];
  }
  return joined;
}

}  // namespace wyc
