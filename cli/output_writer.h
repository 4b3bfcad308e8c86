// Buffered output that remembers the first write failure, so success is never reported after
// a failed write.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace wyc::cli {

class OutputWriter {
 public:
  explicit OutputWriter(std::FILE* file);

  void write(std::string_view bytes) {
    // The common case, a line that fits, stays inline: the rewrite writes millions of them.
    if (bytes.size() <= buffer_.size() - used_) {
      if (!bytes.empty()) std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
      used_ += bytes.size();
      return;
    }
    writeLong(bytes);
  }
  // UTF-16 code units in the given byte order.
  void write(std::u16string_view units, bool bigEndian);
  // Flushes everything. Returns 0, or the errno value of the first failure.
  int finish();

 private:
  void flush();
  void writeLong(std::string_view bytes);

  static constexpr std::size_t kCapacity = std::size_t{1} << 20;
  std::FILE* file_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  int error_ = 0;
};

}  // namespace wyc::cli
