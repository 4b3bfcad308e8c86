// Generated article texts for property tests: lines from a small alphabet that includes lone
// CR and LF, space, and a non-ASCII unit, with runs of empty lines.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "core/article_text.h"

namespace wyc::test {

// The lines never contain `separator`, so splitting their join gives them back.
template <class CharT>
std::vector<ArticleText<CharT>> GenerateLines(std::mt19937& engine, std::size_t maxLines,
                                              ArticleView<CharT> separator) {
  const std::vector<CharT> alphabet = {CharT('a'),  CharT('b'),  CharT(' '),
                                       CharT('\r'), CharT('\n'), static_cast<CharT>(0xE4)};
  std::uniform_int_distribution<std::size_t> lineCount(0, maxLines);
  std::uniform_int_distribution<std::size_t> lineLength(0, 4);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::vector<ArticleText<CharT>> lines(lineCount(engine));
  for (auto& line : lines) {
    // Half of the lines are empty, so runs of line breaks are common.
    const std::size_t length = lineLength(engine) % 2 == 0 ? 0 : lineLength(engine) + 1;
    for (std::size_t i = 0; i < length; ++i) {
      line.push_back(alphabet[pick(engine)]);
      if (line.ends_with(separator)) line.back() = CharT('a');
    }
  }
  return lines;
}

template <class CharT>
ArticleText<CharT> Join(const std::vector<ArticleText<CharT>>& lines,
                        ArticleView<CharT> separator) {
  ArticleText<CharT> text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i != 0) text += separator;
    text += lines[i];
  }
  return text;
}

}  // namespace wyc::test
