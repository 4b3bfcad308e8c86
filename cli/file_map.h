// A whole regular file seen in memory where the system maps files (Linux): the page cache's
// own pages, so a large input costs neither a copy nor fresh memory.
#pragma once

#include <cstddef>
#include <string_view>

namespace wyc::cli {

class FileMap {
 public:
  FileMap() = default;
  FileMap(const FileMap&) = delete;
  FileMap& operator=(const FileMap&) = delete;
  ~FileMap();

  // Maps the first `size` bytes of the open file `fd`; false where that cannot be done, and the
  // file is read instead. Should the file shrink while it is mapped, reading its lost end would
  // stop the program: `shrunk` is then written to standard error and the program exits with
  // status 1.
  bool map(int fd, std::size_t size, std::string_view shrunk);
  [[nodiscard]] std::string_view view() const { return {data_, size_}; }

 private:
  const char* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace wyc::cli
