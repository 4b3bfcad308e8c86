// The split of piped byte input as it arrives.
#include "cli/streamed_split.h"

#include <algorithm>
#include <new>

#include "cli/line_break.h"
#include "cli/text_encoding.h"

namespace wyc::cli {

static_assert(sizeof(std::string_view) == 2 * sizeof(std::size_t) &&
              alignof(std::string_view) <= alignof(std::size_t));

bool StreamedSplit::start(std::string_view input, bool atEnd) {
  if (state_ != State::Waiting) return state_ == State::Splitting;
  // The longest byte order mark has four bytes.
  if (input.size() < 4 && !atEnd) return false;
  const EncodedText encoded = DetectEncoding(input);
  if (UnitBytes(encoded.encoding) != 1) {
    state_ = State::Off;
    return false;
  }
  // Where the last call stopped looking: a long first line must not be searched again and again.
  const std::size_t lineFeed = encoded.body.find('\n', searched_);
  searched_ = encoded.body.size();
  if (lineFeed == std::string_view::npos && !atEnd) return false;
  markSize_ = input.size() - encoded.body.size();
  scanner_.emplace(DetectLineBreak(encoded.body));
  state_ = State::Splitting;
  return true;
}

void StreamedSplit::add(std::size_t offset, std::size_t size) {
  // A CR LF that arrived in two chunks can leave an empty piece that the whole text would not.
  if (size == 0) return;
  if ((count_ + 1) * sizeof(Line) > lines_.capacity()) {
    lines_.grow(std::max<std::size_t>(lines_.capacity() * 2, std::size_t{1} << 16));
  }
  new (lines_.data() + count_ * sizeof(Line)) Line{offset, size};
  ++count_;
}

void StreamedSplit::feed(std::string_view input) {
  if (!start(input, false)) return;
  const std::string_view text = input.substr(markSize_);
  scanner_->feed(text, [this, text](std::string_view line) {
    add(static_cast<std::size_t>(line.data() - text.data()), line.size());
  });
}

std::optional<std::span<std::string_view>> StreamedSplit::finish(std::string_view input) {
  if (!start(input, true)) return std::nullopt;
  const std::string_view text = input.substr(markSize_);
  scanner_->finish(text, [this, text](std::string_view line) {
    add(static_cast<std::size_t>(line.data() - text.data()), line.size());
  });
  // Each record becomes the view it stands for, in the same storage.
  auto* const first = reinterpret_cast<Line*>(lines_.data());  // NOLINT: storage of records
  for (std::size_t i = 0; i < count_; ++i) {
    const Line line = *std::launder(first + i);
    new (first + i) std::string_view(text.data() + line.offset, line.size);
  }
  return std::span{std::launder(reinterpret_cast<std::string_view*>(lines_.data())), count_};
}

}  // namespace wyc::cli
