// LineFilter: drops every empty line of an article text, keeping the others in order.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
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

// Sums starts(i) for i in [from, to). The partial sums are bytes, so that a compiler vectorises
// the loop over as many units as a vector holds bytes.
template <class Starts>
std::size_t CountWhere(std::size_t from, std::size_t to, Starts starts) {
  std::size_t total = 0;
  for (std::size_t block = from; block < to; block += 255) {
    std::uint8_t partial = 0;
    for (std::size_t i = block, end = std::min(to, block + 255); i < end; ++i) partial += starts(i);
    total += partial;
  }
  return total;
}

// The number of non-empty pieces. For separators of one unit, or of two different units (CR LF),
// without a search per line: a piece starts at 0 and after every separator, and is empty when a
// separator follows at once.
template <class CharT>
std::size_t CountNonEmptyLines(ArticleView<CharT> text, ArticleView<CharT> separator) {
  const std::size_t n = text.size();
  const CharT* const t = text.data();
  if (separator.size() == 1) {
    const CharT unit = separator[0];
    return (n != 0 && t[0] != unit ? 1 : 0) + CountWhere(1, n, [t, unit](std::size_t i) {
             return (t[i - 1] == unit) & (t[i] != unit);
           });
  }
  if (separator.size() == 2 && separator[0] != separator[1]) {
    // Two different units cannot overlap themselves, so every occurrence is a separator.
    const CharT first = separator[0];
    const CharT second = separator[1];
    auto at = [t, first, second](std::size_t i) { return (t[i] == first) & (t[i + 1] == second); };
    return (n == 1 || (n > 1 && !at(0)) ? 1 : 0) +
           CountWhere(2, n == 0 ? 0 : n - 1, [at](std::size_t i) { return at(i - 2) & !at(i); }) +
           (n >= 3 && at(n - 3) ? 1 : 0);  // the last piece, one unit long
  }
  std::size_t count = 0;
  ForEachNonEmptyLine(text, separator, [&count](ArticleView<CharT>) { ++count; });
  return count;
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
  RunSideBySide(parts.size(),
                [&](std::size_t i) { firsts[i + 1] = CountNonEmptyLines(parts[i], separator); });
  for (std::size_t i = 0; i < parts.size(); ++i) firsts[i + 1] += firsts[i];
  LineList<CharT> lines(firsts.back());
  RunSideBySide(parts.size(), [&](std::size_t i) {
    if (firsts[i] == firsts[i + 1]) return;  // nothing to copy: no second pass over the part
    auto* out = lines.data() + firsts[i];
    auto* const end = lines.data() + firsts[i + 1];
    ForEachNonEmptyLine(parts[i], separator, [&out, end](ArticleView<CharT> line) {
      if (out != end) *out++ = line;  // never past the count, should the two ever disagree
    });
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
