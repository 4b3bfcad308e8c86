// Uninitialised byte storage for a whole input, with its pages mapped up front where the
// system allows it.
#pragma once

#include <cstddef>
#include <memory>

namespace wyc::cli {

class ByteStorage {
 public:
  ByteStorage() = default;
  explicit ByteStorage(std::size_t capacity);

  [[nodiscard]] char* data() const { return data_; }
  [[nodiscard]] std::size_t capacity() const { return capacity_; }

 private:
  struct Unmap {
    std::size_t bytes;
    void operator()(char* block) const noexcept;
  };

  // One of the two owns the bytes.
  std::unique_ptr<char[]> heap_;  // NOLINT(modernize-avoid-c-arrays): left uninitialised
  std::unique_ptr<char, Unmap> mapped_{nullptr, Unmap{0}};
  char* data_ = nullptr;
  std::size_t capacity_ = 0;
};

}  // namespace wyc::cli
