// The article text and its line list, generic over the code unit: the window works on
// UTF-16 (char16_t), the command line on bytes (char).
#pragma once

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
inline constexpr CharT kCrLfUnits[] = {kCarriageReturn<CharT>, kLineFeed<CharT>};
template <class CharT>
inline constexpr CharT kBlankLineUnits[] = {kCarriageReturn<CharT>, kLineFeed<CharT>,
                                            kCarriageReturn<CharT>, kLineFeed<CharT>};
template <class CharT>
inline constexpr CharT kLineFeedUnits[] = {kLineFeed<CharT>};

// The article's line break.
template <class CharT>
inline constexpr ArticleView<CharT> kCrLf{kCrLfUnits<CharT>, 2};
// What the shuffle puts between lines: the line break twice.
template <class CharT>
inline constexpr ArticleView<CharT> kCrLfCrLf{kBlankLineUnits<CharT>, 4};
// The line break of LF-only text (command line input).
template <class CharT>
inline constexpr ArticleView<CharT> kLf{kLineFeedUnits<CharT>, 1};

}  // namespace wyc
