// Buffered output for the command line.
#include "cli/output_writer.h"

#include <cerrno>
#include <cstring>

namespace wyc::cli {

OutputWriter::OutputWriter(std::FILE* file) : file_(file), buffer_(kCapacity) {}

void OutputWriter::flush() {
  if (used_ == 0 || error_ != 0) {
    used_ = 0;
    return;
  }
  errno = 0;
  if (std::fwrite(buffer_.data(), 1, used_, file_) != used_) error_ = errno != 0 ? errno : EIO;
  used_ = 0;
}

void OutputWriter::writeLong(std::string_view bytes) {
  flush();
  if (bytes.size() < kCapacity) {
    std::memcpy(buffer_.data(), bytes.data(), bytes.size());
    used_ = bytes.size();
    return;
  }
  // Larger than the buffer: straight through.
  if (error_ == 0 && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    error_ = errno != 0 ? errno : EIO;
  }
}

void OutputWriter::write(std::u16string_view units, bool bigEndian) {
  for (const char16_t unit : units) {
    if (kCapacity - used_ < 2) flush();
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    buffer_[used_++] = bigEndian ? high : low;
    buffer_[used_++] = bigEndian ? low : high;
  }
}

int OutputWriter::finish() {
  flush();
  if (error_ == 0 && std::fflush(file_) != 0) error_ = errno != 0 ? errno : EIO;
  return error_;
}

}  // namespace wyc::cli
