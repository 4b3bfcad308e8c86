// Reads a whole input into memory, sized up front where the input says how big it is.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "cli/byte_buffer.h"

namespace wyc::cli {

class InputBytes {
 public:
  [[nodiscard]] std::string_view view() const { return {buffer_.data(), size_}; }

  // Reads `file` to its end. Returns 0, or the errno value of the failure; throws
  // std::bad_alloc when the input does not fit in memory.
  int readAll(std::FILE* file);

 private:
  ByteBuffer buffer_;
  std::size_t size_ = 0;
};

}  // namespace wyc::cli
