// The command line's output laid out in blocks of equal size: each line followed by the line
// break twice, the last line by one line break. Any block can be filled on its own, so blocks
// are assembled side by side.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

#include "cli/prefetch.h"
#include "cli/text_encoding.h"
#include "core/article_text.h"

namespace wyc::cli {

template <class CharT>
class RewriteOutput {
 public:
  // `lines` must outlive this object. Blocks hold `blockBytes` / sizeof(CharT) units each.
  RewriteOutput(std::span<const ArticleView<CharT>> lines, ArticleView<CharT> lineBreak,
                std::size_t blockBytes, bool bigEndian)
      : lines_(lines),
        separator_(ArticleText<CharT>(lineBreak) + ArticleText<CharT>(lineBreak)),
        unitsPerBlock_(blockBytes / sizeof(CharT)),
        bigEndian_(bigEndian) {
    // Where each block starts: the line, and how far into the line and its separator.
    std::size_t position = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const std::size_t end = position + record(i);
      for (std::size_t start = starts_.size() * unitsPerBlock_; start < end;
           start += unitsPerBlock_) {
        starts_.push_back({i, start - position});
      }
      position = end;
    }
    units_ = position;
  }

  [[nodiscard]] std::size_t blocks() const { return starts_.size(); }
  [[nodiscard]] std::size_t bytes() const { return units_ * sizeof(CharT); }

  // Encodes block `block` into `out`; returns the number of bytes.
  std::size_t fill(std::size_t block, char* out) const {
    std::size_t room = std::min(unitsPerBlock_, units_ - block * unitsPerBlock_);
    const std::size_t bytes = room * sizeof(CharT);
    auto [line, offset] = starts_[block];
    while (room != 0) {
      // The lines lie all over the input: fetch a few lines ahead while this one is copied.
      if (line + kAhead < lines_.size()) PrefetchForRead(lines_[line + kAhead].data());
      const ArticleView<CharT> text = lines_[line];
      const ArticleView<CharT> piece =
          offset < text.size() ? text.substr(offset) : separator(line).substr(offset - text.size());
      const std::size_t take = std::min(room, piece.size());
      EncodeUnits<CharT>(piece.substr(0, take), bigEndian_, out);
      out += take * sizeof(CharT);
      room -= take;
      offset += take;
      if (offset == record(line)) {
        ++line;
        offset = 0;
      }
    }
    return bytes;
  }

 private:
  static constexpr std::size_t kAhead = 8;
  struct Start {
    std::size_t line;
    std::size_t offset;
  };

  [[nodiscard]] ArticleView<CharT> separator(std::size_t line) const {
    const ArticleView<CharT> both = separator_;
    return line + 1 == lines_.size() ? both.substr(0, both.size() / 2) : both;
  }
  [[nodiscard]] std::size_t record(std::size_t line) const {
    return lines_[line].size() + separator(line).size();
  }

  std::span<const ArticleView<CharT>> lines_;
  ArticleText<CharT> separator_;
  std::size_t unitsPerBlock_;
  bool bigEndian_;
  std::vector<Start> starts_;
  std::size_t units_ = 0;
};

}  // namespace wyc::cli
