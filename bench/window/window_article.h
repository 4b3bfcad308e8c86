// The articles both window benchmarks paste: `lines` lines of `width` Chinese characters, a
// blank line every fifth, each line ended by `lineBreak` as text arrives from another program of
// the platform (LF on Linux, CR LF on Windows).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wyc::bench {

inline std::u16string WindowArticle(int lines, int width, std::u16string_view lineBreak) {
  constexpr std::u16string_view kPool =
      u"春天的早晨阳光透过窗帘洒进房间我推开窗户听见楼下孩子们在笑";
  std::u16string text;
  text.reserve(static_cast<std::size_t>(lines) *
               (static_cast<std::size_t>(width) + lineBreak.size()));
  for (int line = 0; line < lines; ++line) {
    if (line % 5 != 4) {
      for (int i = 0; i < width; ++i) {
        text += kPool[static_cast<std::size_t>(line * 7 + i) % kPool.size()];
      }
    }
    text += lineBreak;
  }
  return text;
}

}  // namespace wyc::bench
