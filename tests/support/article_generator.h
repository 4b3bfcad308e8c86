// Article texts for property tests, and the obvious split that the code under test must agree
// with: lines from a small alphabet that includes lone CR and LF, space and a non-ASCII unit,
// with runs of empty lines.
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

// The lines never contain `separator`, so splitting their join gives them back.
template <class CharT>
std::vector<ArticleText<CharT>> GenerateLines(std::mt19937& engine, std::size_t maxLines,
                                              ArticleView<CharT> separator) {
  const CharT alphabet[] = {CharT('a'), CharT(' '), CharT('\r'), CharT('\n'), CharT(0xE4)};
  std::vector<ArticleText<CharT>> lines(engine() % (maxLines + 1));
  for (auto& line : lines) {
    // Half of the lines are empty, so runs of line breaks are common.
    for (std::size_t n = engine() % 2 == 0 ? 0 : engine() % 5 + 1; n > 0; --n) {
      line.push_back(alphabet[engine() % 5]);
      if (line.ends_with(separator)) line.back() = CharT('a');
    }
  }
  return lines;
}

template <class CharT>
ArticleText<CharT> Join(const std::vector<ArticleText<CharT>>& lines,
                        ArticleView<CharT> separator) {
  ArticleText<CharT> text;
  for (std::size_t i = 0; i < lines.size(); ++i)
    text += (i == 0 ? ArticleText<CharT>() : ArticleText<CharT>(separator)) + lines[i];
  return text;
}

// The pieces between separators, found one after the other with find(): no empty text piece.
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
