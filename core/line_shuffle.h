// RndLine: puts the lines of an article text into a random order, a blank line between lines.
#pragma once

#include <cstddef>
#include <span>
#include <utility>

#include "core/line_list.h"
#include "core/random_source.h"

namespace wyc {

// For every position i in ascending order, draws r and swaps position i with
// k = floor(r * count). The partner comes from the whole list, not from the positions still
// to be placed as in Fisher-Yates, so the orders are deliberately not equally likely.
// Makes exactly one draw per item.
template <class T, UnitIntervalSource Source>
void ShuffleLines(std::span<T> items, Source& source) {
  const std::size_t count = items.size();
  const auto scale = static_cast<double>(count);
  for (std::size_t i = 0; i < count; ++i) {
    auto k = static_cast<std::size_t>(source.draw() * scale);
    // r < 1 keeps k below count; a source that ever broke that must not swap out of range.
    if (k >= count) k = count - 1;
    std::swap(items[i], items[k]);
  }
}

// Shuffles the lines of `text` (split at CR LF) and joins them with CR LF CR LF. The empty text
// yields the empty text without a draw. Empty lines are shuffled like any other.
template <class CharT, UnitIntervalSource Source>
ArticleText<CharT> RndLine(ArticleView<CharT> text, Source& source) {
  LineList<CharT> lines = SplitLines(text, kCrLf<CharT>);
  ShuffleLines(std::span{lines}, source);
  return JoinLines<CharT>(lines, kCrLfCrLf<CharT>);
}

template <UnitIntervalSource Source>
std::u16string RndLine(std::u16string_view text, Source& source) {
  return RndLine<char16_t>(text, source);
}
template <UnitIntervalSource Source>
std::string RndLine(std::string_view text, Source& source) {
  return RndLine<char>(text, source);
}

}  // namespace wyc
