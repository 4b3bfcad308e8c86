// Whole-input reading for the command line.
#include "cli/input_reader.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <new>

namespace wyc::cli {
namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;

// The size of a regular file behind `file`, or 0 when it cannot be known (a pipe, a terminal).
std::size_t SizeHint(std::FILE* file) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) return 0;
  return static_cast<std::size_t>(info.st_size);
}

// Doubles the buffer; near a memory limit a smaller step may still fit.
void GrowFull(ByteBuffer& buffer) {
  const std::size_t capacity = buffer.capacity();
  try {
    buffer.grow(capacity * 2);
  } catch (const std::bad_alloc&) {
    buffer.grow(capacity + capacity / 8);
  }
}

// A pipe holds 64 KiB by default: the reader and the writer would take turns 64 KiB at a time.
// A larger pipe lets both run side by side on their own cores. Only a hint where it exists.
void WidenPipe([[maybe_unused]] std::FILE* file) {
#ifdef F_SETPIPE_SZ
  struct stat info {};
  if (fstat(fileno(file), &info) == 0 && S_ISFIFO(info.st_mode)) {
    fcntl(fileno(file), F_SETPIPE_SZ, static_cast<int>(kChunk));
  }
#endif
}

}  // namespace

int InputBytes::readAll(std::FILE* file, std::string_view shrunk,
                        const std::function<void(std::string_view)>& progress) {
  WidenPipe(file);
  const std::size_t hint = SizeHint(file);
  sizeKnown_ = hint != 0;
  // A file is taken as large as it was when it was opened.
  if (sizeKnown_ && map_.map(fileno(file), hint, shrunk)) return 0;
  // One byte beyond the hint lets a file be read to its end without growing; a file that grew
  // meanwhile is still read whole.
  buffer_.grow(std::max(hint + 1, kChunk));
  for (;;) {
    if (size_ == buffer_.capacity()) GrowFull(buffer_);
    errno = 0;
    const std::size_t got =
        std::fread(buffer_.data() + size_, 1, std::min(kChunk, buffer_.capacity() - size_), file);
    size_ += got;
    if (got != 0 && progress) progress(view());
    if (got != 0) continue;
    if (std::ferror(file)) return errno != 0 ? errno : EIO;
    return 0;
  }
}

}  // namespace wyc::cli
