// The block pipeline: workers take the next block, wait for its slot to be written out, fill
// it; the calling thread writes the slots in block order.
#include "cli/block_pipeline.h"

#include <condition_variable>
#include <mutex>
#include <new>
#include <system_error>

namespace wyc::cli {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

BlockPipeline::BlockPipeline(std::size_t slotBytes, std::size_t workers) : slotBytes_(slotBytes) {
  // Two slots a worker: one being filled while the other waits to be written.
  const std::size_t slots = workers == 0 ? 1 : 2 * workers;
  for (std::size_t i = 0; i < slots; ++i) {
    slots_.push_back(std::make_unique_for_overwrite<char[]>(slotBytes));  // NOLINT
  }
  filledBlock_.assign(slots, kNone);
  filledBytes_.assign(slots, 0);
  workers_.reserve(workers);
}

void BlockPipeline::runAlone(std::size_t blocks, const Fill& fill, OutputWriter& writer) {
  char* const slot = slots_.front().get();
  for (std::size_t block = 0; block < blocks; ++block) writer.write({slot, fill(block, slot)});
}

void BlockPipeline::run(std::size_t blocks, const Fill& fill, OutputWriter& writer) {
  const std::size_t slots = slots_.size();
  if (workers_.capacity() == 0 || blocks < 2) {
    runAlone(blocks, fill, writer);
    return;
  }
  std::mutex mutex;
  std::condition_variable changed;
  std::size_t next = 0;     // the next block a worker takes
  std::size_t written = 0;  // blocks written so far
  auto work = [&] {
    for (;;) {
      std::unique_lock lock(mutex);
      const std::size_t block = next++;
      if (block >= blocks) return;
      const std::size_t slot = block % slots;
      // The slot's previous block must be written out first.
      changed.wait(lock, [&] { return block < written + slots; });
      lock.unlock();
      const std::size_t bytes = fill(block, slots_[slot].get());
      lock.lock();
      filledBytes_[slot] = bytes;
      filledBlock_[slot] = block;
      changed.notify_all();
    }
  };
  for (std::size_t i = 0; i < workers_.capacity(); ++i) {
    try {
      workers_.emplace_back(work);
    } catch (const std::system_error&) {  // out of threads: fewer workers do the same work
      break;
    } catch (const std::bad_alloc&) {
      break;
    }
  }
  if (workers_.empty()) {
    runAlone(blocks, fill, writer);
    return;
  }
  for (std::size_t block = 0; block < blocks; ++block) {
    const std::size_t slot = block % slots;
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return filledBlock_[slot] == block; });
    lock.unlock();
    writer.write({slots_[slot].get(), filledBytes_[slot]});
    lock.lock();
    written = block + 1;
    changed.notify_all();
  }
  workers_.clear();  // joins
}

}  // namespace wyc::cli
