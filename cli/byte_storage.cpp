// Byte storage for the command line's input.
#include "cli/byte_storage.h"

#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace wyc::cli {
namespace {

// Large blocks come straight from the kernel, asked for in huge pages and populated in one
// call: faulting a hundred megabytes in 4 KiB at a time as read() fills it costs more than the
// read itself. Both requests are hints; an older kernel simply ignores them.
[[maybe_unused]] constexpr std::size_t kMapThreshold = std::size_t{8} << 20;
#ifdef __linux__
#ifndef MADV_POPULATE_WRITE
constexpr int MADV_POPULATE_WRITE = 23;  // Linux 5.14; older C library headers lack the name
#endif
#endif

}  // namespace

ByteStorage::ByteStorage(std::size_t capacity) : capacity_(capacity) {
#ifdef __linux__
  if (capacity >= kMapThreshold) {
    void* block =
        mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
    madvise(block, capacity, MADV_HUGEPAGE);
    madvise(block, capacity, MADV_POPULATE_WRITE);
    mapped_ = {static_cast<char*>(block), Unmap{capacity}};
    data_ = mapped_.get();
    return;
  }
#endif
  heap_ = std::make_unique_for_overwrite<char[]>(capacity);  // NOLINT(modernize-avoid-c-arrays)
  data_ = heap_.get();
}

void ByteStorage::Unmap::operator()([[maybe_unused]] char* block) const noexcept {
#ifdef __linux__
  munmap(block, bytes);
#endif
}

}  // namespace wyc::cli
