// Splitting byte input into its non-empty lines while it is still arriving, for input whose
// size is not known up front (a pipe): the reader waits for the writer anyway, and each chunk
// is split while it is still in the cache.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "cli/byte_buffer.h"
#include "core/line_list.h"

namespace wyc::cli {

class StreamedSplit {
 public:
  // Takes everything read so far and splits what has arrived once the byte order mark and the
  // first line break have shown how. Throws std::bad_alloc.
  void feed(std::string_view input);
  // After the last chunk: the non-empty lines of the text after its byte order mark, as views
  // into `input`, in order; nothing when the input is UTF-16 or UTF-32, which is split after
  // decoding.
  std::optional<std::span<std::string_view>> finish(std::string_view input);

 private:
  struct Line {
    std::size_t offset;  // from the start of the text: the input may move while it grows
    std::size_t size;
  };
  bool start(std::string_view input, bool atEnd);
  void add(std::size_t offset, std::size_t size);

  enum class State { Waiting, Splitting, Off } state_ = State::Waiting;
  std::size_t markSize_ = 0;
  std::size_t searched_ = 0;  // bytes of text searched for the first line feed
  std::optional<LineScanner<char, false>> scanner_;
  ByteBuffer lines_;  // Line records, then the views made from them in place
  std::size_t count_ = 0;
};

}  // namespace wyc::cli
