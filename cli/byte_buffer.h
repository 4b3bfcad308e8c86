// A growable block of uninitialised bytes for a whole input. Growing keeps the bytes; where the
// system can move pages instead of copying them (Linux), it does, so a growing input is never
// held twice.
#pragma once

#include <cstddef>

namespace wyc::cli {

class ByteBuffer {
 public:
  ByteBuffer() = default;
  ByteBuffer(const ByteBuffer&) = delete;
  ByteBuffer& operator=(const ByteBuffer&) = delete;
  ~ByteBuffer();

  [[nodiscard]] char* data() const { return data_; }
  [[nodiscard]] std::size_t capacity() const { return capacity_; }

  // Grows to hold at least `capacity` bytes, keeping its bytes. Throws std::bad_alloc.
  void grow(std::size_t capacity);

 private:
  char* data_ = nullptr;
  std::size_t capacity_ = 0;
};

}  // namespace wyc::cli
