// Checked output for the command line.
#include "cli/output_writer.h"

#include <cerrno>

namespace wyc::cli {

void OutputWriter::write(std::string_view bytes) {
  if (error_ != 0 || bytes.empty()) return;
  errno = 0;
  const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file_);
  if (written != bytes.size()) error_ = errno != 0 ? errno : EIO;
}

int OutputWriter::finish() {
  errno = 0;
  if (error_ == 0 && std::fflush(file_) != 0) error_ = errno != 0 ? errno : EIO;
  return error_;
}

}  // namespace wyc::cli
