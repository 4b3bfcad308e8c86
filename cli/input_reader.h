// Reads a whole input into memory, sized up front where the input says how big it is.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string_view>

#include "cli/byte_buffer.h"
#include "cli/file_map.h"

namespace wyc::cli {

class InputBytes {
 public:
  [[nodiscard]] std::string_view view() const {
    return map_.view().empty() ? std::string_view(buffer_.data(), size_) : map_.view();
  }

  // Whether the input said its size before it was read (a regular file, not a pipe).
  [[nodiscard]] bool sizeKnown() const { return sizeKnown_; }

  // Reads `file` to its end, handing `progress` everything read so far after each chunk; maps a
  // regular file instead where the system can (`shrunk` is the message should it shrink while
  // mapped). Returns 0, or the errno value of the failure; throws std::bad_alloc when the input
  // does not fit in memory.
  int readAll(std::FILE* file, std::string_view shrunk,
              const std::function<void(std::string_view)>& progress = {});

 private:
  FileMap map_;
  ByteBuffer buffer_;
  std::size_t size_ = 0;
  bool sizeKnown_ = false;
};

}  // namespace wyc::cli
