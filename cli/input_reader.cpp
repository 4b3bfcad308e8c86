// Whole-input reading for the command line.
#include "cli/input_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace wyc::cli {
namespace {

constexpr std::size_t kMinimumCapacity = std::size_t{1} << 16;
// Small enough that a chunk is still in the cache when its line feeds are counted.
constexpr std::size_t kChunk = std::size_t{1} << 20;

// The size of a regular file behind `file`, or 0 when it cannot be known (a pipe, a terminal).
std::size_t SizeHint(std::FILE* file) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) return 0;
  return static_cast<std::size_t>(info.st_size);
}

}  // namespace

void InputBytes::grow(std::size_t capacity) {
  ByteStorage larger(capacity);
  if (size_ != 0) std::memcpy(larger.data(), storage_.data(), size_);
  storage_ = std::move(larger);
}

int InputBytes::readAll(std::FILE* file) {
  // One byte beyond the hint lets a file be read to its end without growing; a file that grew
  // meanwhile is still read whole.
  grow(std::max(SizeHint(file) + 1, kMinimumCapacity));
  for (;;) {
    if (size_ == storage_.capacity()) grow(storage_.capacity() * 2);
    char* const chunk = storage_.data() + size_;
    errno = 0;
    const std::size_t got =
        std::fread(chunk, 1, std::min(kChunk, storage_.capacity() - size_), file);
    lineFeeds_ += static_cast<std::size_t>(std::count(chunk, chunk + got, '\n'));
    size_ += got;
    if (got != 0) continue;
    if (std::ferror(file)) return errno != 0 ? errno : EIO;
    return 0;
  }
}

}  // namespace wyc::cli
