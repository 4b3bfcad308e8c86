// Article texts for property tests, and the obvious split that the code under test must agree
// with. Lines come from a small alphabet with lone CR and LF, space and a non-ASCII unit.
#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/article_text.h"

namespace wyc::test {

// Test texts written once in ASCII and used with any code unit.
template <class CharT>
ArticleText<CharT> Widen(std::string_view ascii) {
  return {ascii.begin(), ascii.end()};
}

// Up to `maxLines` lines, half of them empty, joined by `separator`, which no line contains.
template <class CharT>
ArticleText<CharT> GenerateText(std::mt19937& engine, std::size_t maxLines,
                                ArticleView<CharT> separator) {
  const CharT alphabet[] = {CharT('a'), CharT(' '), CharT('\r'), CharT('\n'), CharT(0xE4)};
  ArticleText<CharT> text;
  for (std::size_t i = engine() % (maxLines + 1); i > 0; --i) {
    ArticleText<CharT> line;
    for (std::size_t n = engine() % 2 == 0 ? 0 : engine() % 5 + 1; n > 0; --n) {
      line.push_back(alphabet[engine() % 5]);
      if (line.ends_with(separator)) line.back() = CharT('a');
    }
    text += line;
    if (i > 1) text += separator;
  }
  return text;
}

// The pieces between separators, found one after the other with find(); none for the empty text.
template <class CharT>
std::vector<ArticleText<CharT>> ReferenceSplit(ArticleView<CharT> text,
                                               ArticleView<CharT> separator,
                                               bool dropEmpty = false) {
  std::vector<ArticleText<CharT>> pieces;
  for (std::size_t start = 0, at = 0; !text.empty() && at != ArticleView<CharT>::npos;
       start = at + separator.size()) {
    at = text.find(separator, start);
    const auto piece = text.substr(start, at == ArticleView<CharT>::npos ? at : at - start);
    if (!dropEmpty || !piece.empty()) pieces.emplace_back(piece);
  }
  return pieces;
}

}  // namespace wyc::test
