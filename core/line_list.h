// Splitting an article text into its line list and joining lines again.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <span>

#include "core/article_text.h"

namespace wyc {

// Splits a text at an exact separator, also while the text still grows at its end: feed()
// visits every piece that a separator has ended so far, finish() the last one. A text with k
// separators has k + 1 pieces (pieces may be empty); the empty text has none. A part of the
// separator on its own (a lone CR of CR LF) is ordinary text. Positions are kept as offsets,
// so the text may move between calls. Without kVisitRuns, the empty pieces inside a run of
// separators are stepped over unvisited.
template <class CharT, bool kVisitRuns = true>
class LineScanner {
 public:
  explicit LineScanner(ArticleView<CharT> separator)
      : separator_(separator), lead_(separator.size() - 1), scan_(lead_) {
    assert(!separator.empty());
  }

  template <class Visit>
  void feed(ArticleView<CharT> text, Visit&& visit) {
    // Searching for the separator's last unit lets single-unit finds (memchr for bytes) do the
    // scanning; the units before it are then checked in place.
    const CharT last = separator_.back();
    for (;;) {
      if constexpr (!kVisitRuns) skipRun(text);
      const std::size_t at = text.find(last, scan_);
      if (at == ArticleView<CharT>::npos) {
        scan_ = std::max(scan_, text.size());  // a growing text is not searched twice
        return;
      }
      if (text.compare(at - lead_, lead_, separator_.data(), lead_) == 0) {
        visit(text.substr(start_, at - lead_ - start_));
        start_ = at + 1;
        scan_ = start_ + lead_;
      } else {
        scan_ = at + 1;
      }
    }
  }

  template <class Visit>
  void finish(ArticleView<CharT> text, Visit&& visit) {
    feed(text, visit);
    if (!text.empty()) visit(text.substr(start_));
  }

 private:
  // Input of bare line breaks would otherwise cost a search per empty line.
  void skipRun(ArticleView<CharT> text) {
    std::size_t after = start_;
    for (std::size_t i = 0;
         after + separator_.size() <= text.size() && text[after + i] == separator_[i];) {
      if (++i == separator_.size()) {
        after += i;  // a unit loop: memcmp per line break costs more than the search
        i = 0;
      }
    }
    if (after != start_) {
      start_ = after;
      scan_ = start_ + lead_;
    }
  }

  ArticleView<CharT> separator_;
  std::size_t lead_;
  std::size_t start_ = 0;
  std::size_t scan_;
};

// Calls visit(piece) for every piece of `text` between separators, in order (see LineScanner).
template <bool kVisitRuns = true, class CharT, class Visit>
void ForEachLine(ArticleView<CharT> text, ArticleView<CharT> separator, Visit&& visit) {
  LineScanner<CharT, kVisitRuns>(separator).finish(text, visit);
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
