// LineFilter: drops every empty line of an article text, keeping the others in order.
#pragma once

#include "core/line_list.h"

namespace wyc {

// The pieces of `text` between separators that are not the empty string. Only the exact empty
// string counts as empty: a line of spaces, or holding a lone CR or LF, is kept.
// `maxLines` bounds the number of pieces (see MaxLineCount) and sizes the list once.
template <class CharT>
LineList<CharT> NonEmptyLines(ArticleView<CharT> text, ArticleView<CharT> separator,
                              std::size_t maxLines) {
  LineList<CharT> lines;
  lines.reserve(maxLines);
  ForEachLine(text, separator, [&lines](ArticleView<CharT> line) {
    if (!line.empty()) lines.push_back(line);
  });
  return lines;
}

template <class CharT>
LineList<CharT> NonEmptyLines(ArticleView<CharT> text, ArticleView<CharT> separator) {
  return NonEmptyLines(text, separator, MaxLineCount(text, separator));
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
