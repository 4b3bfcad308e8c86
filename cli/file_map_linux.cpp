// FileMap on Linux: mmap, with the file's pages mapped up front.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>

#include "cli/file_map.h"

namespace wyc::cli {
namespace {

// The line for a file that shrank under the mapping, kept where a signal handler can reach it.
std::array<char, 1024> shrunkLine{};
std::size_t shrunkLength = 0;

extern "C" void ReportShrunk(int /*signal*/) {
  // Only async-signal-safe calls here.
  (void)!write(STDERR_FILENO, shrunkLine.data(), shrunkLength);
  _exit(1);
}

}  // namespace

FileMap::~FileMap() {
  if (data_ != nullptr) munmap(const_cast<char*>(data_), size_);  // NOLINT: munmap's signature
}

bool FileMap::map(int fd, std::size_t size, std::string_view shrunk) {
  void* block = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  if (block == MAP_FAILED) return false;
  shrunkLength = std::min(shrunk.size(), shrunkLine.size());
  std::copy_n(shrunk.data(), shrunkLength, shrunkLine.data());
  struct sigaction action {};
  action.sa_handler = ReportShrunk;
  sigaction(SIGBUS, &action, nullptr);
  data_ = static_cast<const char*>(block);
  size_ = size;
  return true;
}

}  // namespace wyc::cli
