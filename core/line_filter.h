// LineFilter: drops every empty line of an article text, keeping the others in order.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "core/line_list.h"
#include "core/parallel.h"

namespace wyc {

// Calls visit(line) for the pieces of `text` between separators that are not the empty string.
// Only the exact empty string counts as empty: a line of spaces, or holding a lone CR or LF, is
// kept.
template <class CharT, class Visit>
void ForEachNonEmptyLine(ArticleView<CharT> text, ArticleView<CharT> separator, Visit&& visit) {
  ForEachLine<false>(text, separator, [&visit](ArticleView<CharT> line) {
    if (!line.empty()) visit(line);
  });
}

// Parts of about equal size whose non-empty lines, one part after the other, are those of
// `text`: each cut drops one separator. The separator's occurrences must not overlap one
// another (CR LF and LF cannot), so that every occurrence is one the split would find.
template <class CharT>
std::vector<ArticleView<CharT>> CutAtSeparators(ArticleView<CharT> text,
                                                ArticleView<CharT> separator, std::size_t parts) {
  std::vector<ArticleView<CharT>> cut;
  cut.reserve(parts);
  std::size_t start = 0;
  for (std::size_t i = 1; i < parts; ++i) {
    const std::size_t at = text.find(separator, std::max(start, text.size() / parts * i));
    if (at == ArticleView<CharT>::npos) break;
    cut.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  cut.push_back(text.substr(start));
  return cut;
}

// The non-empty lines of `text` split at `separator`. A counting pass sizes the list exactly,
// so memory follows the lines kept, not the line breaks read. With `threads` above one a large
// text is cut into parts that are counted and copied side by side; the list is the same for
// every number of threads.
template <class CharT>
LineList<CharT> NonEmptyLines(ArticleView<CharT> text, ArticleView<CharT> separator,
                              std::size_t threads = 1) {
  // Below a few megabytes a thread costs more than it saves.
  constexpr std::size_t kUnitsPerThread = std::size_t{4} << 20;
  const auto parts = CutAtSeparators(
      text, separator,
      std::clamp<std::size_t>(text.size() / kUnitsPerThread, 1, std::max<std::size_t>(threads, 1)));
  std::vector<std::size_t> firsts(parts.size() + 1, 0);
  RunSideBySide(parts.size(), [&](std::size_t i) {
    std::size_t count = 0;  // a local: neighbouring counts share a cache line
    ForEachNonEmptyLine(parts[i], separator, [&count](ArticleView<CharT>) { ++count; });
    firsts[i + 1] = count;
  });
  for (std::size_t i = 0; i < parts.size(); ++i) firsts[i + 1] += firsts[i];
  LineList<CharT> lines(firsts.back());
  RunSideBySide(parts.size(), [&](std::size_t i) {
    if (firsts[i] == firsts[i + 1]) return;  // nothing to copy: no second pass over the part
    auto* out = lines.data() + firsts[i];
    ForEachNonEmptyLine(parts[i], separator, [&out](ArticleView<CharT> line) { *out++ = line; });
  });
  return lines;
}

// Runs of CR LF collapse into one and CR LF at either end disappears. A text with no
// non-empty line (empty, or CR LF only) yields the empty text.
template <class CharT>
ArticleText<CharT> LineFilter(ArticleView<CharT> text) {
  const LineList<CharT> lines = NonEmptyLines(text, kCrLf<CharT>);
  return JoinLines<CharT>(lines, kCrLf<CharT>);
}

// Non-template overloads let strings and literals convert to views.
inline std::u16string LineFilter(std::u16string_view text) { return LineFilter<char16_t>(text); }
inline std::string LineFilter(std::string_view text) { return LineFilter<char>(text); }

}  // namespace wyc
