// Output that remembers the first write failure, so success is never reported after a failed
// write.
#pragma once

#include <cstdio>
#include <string_view>

namespace wyc::cli {

class OutputWriter {
 public:
  explicit OutputWriter(std::FILE* file) : file_(file) {}

  // Writes `bytes` unless an earlier write failed.
  void write(std::string_view bytes);
  // Flushes everything. Returns 0, or the errno value of the first failure.
  int finish();

 private:
  std::FILE* file_;
  int error_ = 0;
};

}  // namespace wyc::cli
