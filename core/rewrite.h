// The rewrite of an article: its non-empty lines in shuffled order, a blank line between lines.
// The window joins the result into a string; the command line writes the lines as they are.
#pragma once

#include <cstddef>
#include <span>

#include "core/line_filter.h"
#include "core/line_shuffle.h"

namespace wyc {

// The non-empty lines of `text` split at `lineBreak`, shuffled. For CR LF text and the same
// draws these are the lines of RndLine(LineFilter(text)) in the same order, split only once.
// `threads` may share the split of a large text; the lines are the same for any number.
template <class CharT, UnitIntervalSource Source>
LineList<CharT> ShuffledNonEmptyLines(ArticleView<CharT> text, ArticleView<CharT> lineBreak,
                                      Source& source, std::size_t threads = 1) {
  LineList<CharT> lines = NonEmptyLines(text, lineBreak, threads);
  ShuffleLines(std::span{lines}, source);
  return lines;
}

// The window's run: RndLine(LineFilter(text)) in one pass. The empty text when `text` has no
// non-empty line.
template <class CharT, UnitIntervalSource Source>
ArticleText<CharT> RewriteArticle(ArticleView<CharT> text, Source& source) {
  return JoinLines<CharT>(ShuffledNonEmptyLines(text, kCrLf<CharT>, source), kCrLfCrLf<CharT>);
}

template <UnitIntervalSource Source>
std::u16string RewriteArticle(std::u16string_view text, Source& source) {
  return RewriteArticle<char16_t>(text, source);
}

}  // namespace wyc
