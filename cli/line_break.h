// The line break of command-line input: its first line break decides.
#pragma once

#include "core/article_text.h"

namespace wyc::cli {

// A LF preceded by CR means CR LF; a text with no LF is one line, ended like LF text.
template <class CharT>
ArticleView<CharT> DetectLineBreak(ArticleView<CharT> text) {
  const std::size_t lf = text.find(kLineFeed<CharT>);
  if (lf != ArticleView<CharT>::npos && lf > 0 && text[lf - 1] == kCarriageReturn<CharT>) {
    return kCrLf<CharT>;
  }
  return kLf<CharT>;
}

}  // namespace wyc::cli
