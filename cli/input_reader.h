// Reads a whole input into memory, sized up front where the input says how big it is.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "cli/byte_storage.h"

namespace wyc::cli {

class InputBytes {
 public:
  [[nodiscard]] std::string_view view() const { return {storage_.data(), size_}; }
  // LF bytes seen while reading: an upper bound on the line count of byte text, counted while
  // each chunk is still in the cache.
  [[nodiscard]] std::size_t lineFeeds() const { return lineFeeds_; }

  // Reads `file` to its end. Returns 0, or the errno value of the failure.
  int readAll(std::FILE* file);

 private:
  void grow(std::size_t capacity);

  ByteStorage storage_;
  std::size_t size_ = 0;
  std::size_t lineFeeds_ = 0;
};

}  // namespace wyc::cli
