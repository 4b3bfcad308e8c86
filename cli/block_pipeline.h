// Output made of numbered blocks that worker threads fill side by side while the calling thread
// writes them in order, so the bytes written do not depend on the number of workers.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "cli/output_writer.h"

namespace wyc::cli {

class BlockPipeline {
 public:
  // Fills `slot` (slotBytes() long) with block `block`; returns the number of bytes filled.
  // Called from any thread, for different blocks at the same time.
  using Fill = std::function<std::size_t(std::size_t block, char* slot)>;

  // Takes all its memory here (throws std::bad_alloc), so that a failure comes before the first
  // byte is written. With no worker the calling thread fills each block itself.
  BlockPipeline(std::size_t slotBytes, std::size_t workers);

  [[nodiscard]] std::size_t slotBytes() const { return slotBytes_; }
  void run(std::size_t blocks, const Fill& fill, OutputWriter& writer);

 private:
  void runAlone(std::size_t blocks, const Fill& fill, OutputWriter& writer);

  std::size_t slotBytes_;
  std::vector<std::unique_ptr<char[]>> slots_;  // NOLINT(modernize-avoid-c-arrays): uninitialised
  std::vector<std::size_t> filledBlock_;        // per slot: the block it holds
  std::vector<std::size_t> filledBytes_;
  std::vector<std::jthread> workers_;
};

}  // namespace wyc::cli
