// Uninitialised byte storage for a whole input, with its pages mapped up front where the
// system allows it.
#pragma once

#include <cstddef>

namespace wyc::cli {

class ByteStorage {
 public:
  ByteStorage() = default;
  explicit ByteStorage(std::size_t capacity);
  ~ByteStorage();
  ByteStorage(ByteStorage&& other) noexcept;
  ByteStorage& operator=(ByteStorage&& other) noexcept;
  ByteStorage(const ByteStorage&) = delete;
  ByteStorage& operator=(const ByteStorage&) = delete;

  [[nodiscard]] char* data() const { return data_; }
  [[nodiscard]] std::size_t capacity() const { return capacity_; }

 private:
  void release() noexcept;

  char* data_ = nullptr;
  std::size_t capacity_ = 0;
  bool mapped_ = false;
};

}  // namespace wyc::cli
