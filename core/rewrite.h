// The whole rewrite of an article whose lines end in a given line break, streamed: the
// non-empty lines in shuffled order with a blank line between them. The result equals
// RndLine(LineFilter(text)) for CR LF text and the same draws, without building either string.
#pragma once

#include <span>

#include "core/line_filter.h"
#include "core/line_shuffle.h"
#include "core/prefetch.h"

namespace wyc {

// The line break of a text for the command line: its first line break decides. A LF preceded
// by CR means CR LF; a text with no LF is one line, ended like LF text.
template <class CharT>
ArticleView<CharT> DetectLineBreak(ArticleView<CharT> text) {
  const std::size_t lf = text.find(kLineFeed<CharT>);
  if (lf != ArticleView<CharT>::npos && lf > 0 && text[lf - 1] == kCarriageReturn<CharT>) {
    return kCrLf<CharT>;
  }
  return kLf<CharT>;
}

// Hands `sink` the pieces of the rewritten text followed by one final line break, and returns
// true; returns false without calling `sink` when the text has no non-empty line. `maxLines`
// bounds the number of lines, as MaxLineCount does.
template <class CharT, UnitIntervalSource Source, class Sink>
bool RewriteLines(ArticleView<CharT> text, ArticleView<CharT> lineBreak, std::size_t maxLines,
                  Source& source, Sink&& sink) {
  LineList<CharT> lines = NonEmptyLines(text, lineBreak, maxLines);
  if (lines.empty()) return false;
  ShuffleLines(std::span{lines}, source);
  // The separator is the line break twice, handed over as one piece.
  const ArticleText<CharT> separator =
      ArticleText<CharT>(lineBreak) + ArticleText<CharT>(lineBreak);
  // Shuffled lines lie all over a large text: fetching a few ahead hides the memory latency.
  constexpr std::size_t kLookAhead = 16;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i + kLookAhead < lines.size()) PrefetchForRead(lines[i + kLookAhead].data());
    if (i != 0) sink(ArticleView<CharT>(separator));
    sink(lines[i]);
  }
  sink(lineBreak);
  return true;
}

template <class CharT, UnitIntervalSource Source, class Sink>
bool RewriteLines(ArticleView<CharT> text, ArticleView<CharT> lineBreak, Source& source,
                  Sink&& sink) {
  return RewriteLines(text, lineBreak, MaxLineCount(text, lineBreak), source, sink);
}

}  // namespace wyc
