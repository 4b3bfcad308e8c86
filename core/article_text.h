// The article text and its line list, generic over the code unit: the window works on
// UTF-16 (char16_t), the command line on bytes (char).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace wyc {

template <class CharT>
using ArticleText = std::basic_string<CharT>;

template <class CharT>
using ArticleView = std::basic_string_view<CharT>;

// Lines borrow from the text they were split from; no string is made per line.
template <class CharT>
using LineList = std::vector<std::basic_string_view<CharT>>;

template <class CharT>
inline constexpr CharT kCarriageReturn = static_cast<CharT>(13);
template <class CharT>
inline constexpr CharT kLineFeed = static_cast<CharT>(10);

template <class CharT>
inline constexpr std::array<CharT, 2> kCrLfUnits{kCarriageReturn<CharT>, kLineFeed<CharT>};
template <class CharT>
inline constexpr std::array<CharT, 4> kBlankLineUnits{kCarriageReturn<CharT>, kLineFeed<CharT>,
                                                      kCarriageReturn<CharT>, kLineFeed<CharT>};
template <class CharT>
inline constexpr std::array<CharT, 1> kLineFeedUnits{kLineFeed<CharT>};

// The article's line break.
template <class CharT>
inline constexpr ArticleView<CharT> kCrLf{kCrLfUnits<CharT>.data(), 2};
// What the shuffle puts between lines: the line break twice.
template <class CharT>
inline constexpr ArticleView<CharT> kCrLfCrLf{kBlankLineUnits<CharT>.data(), 4};
// The line break of LF-only text (command line input).
template <class CharT>
inline constexpr ArticleView<CharT> kLf{kLineFeedUnits<CharT>.data(), 1};

}  // namespace wyc
