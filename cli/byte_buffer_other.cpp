// ByteBuffer where pages cannot be moved: the C library's realloc, which copies.
#include <cstdlib>
#include <new>

#include "cli/byte_buffer.h"

namespace wyc::cli {

ByteBuffer::~ByteBuffer() { std::free(data_); }  // NOLINT(cppcoreguidelines-no-malloc)

void ByteBuffer::grow(std::size_t capacity) {
  if (capacity <= capacity_) return;
  void* block = std::realloc(data_, capacity);  // NOLINT(cppcoreguidelines-no-malloc)
  if (block == nullptr) throw std::bad_alloc();
  data_ = static_cast<char*>(block);
  capacity_ = capacity;
}

}  // namespace wyc::cli
