// ByteBuffer on Linux: anonymous memory that mremap grows by moving page tables, not bytes.
#include <sys/mman.h>

#include <new>

#include "cli/byte_buffer.h"

namespace wyc::cli {

ByteBuffer::~ByteBuffer() {
  if (data_ != nullptr) munmap(data_, capacity_);
}

void ByteBuffer::grow(std::size_t capacity) {
  if (capacity <= capacity_) return;
  void* block = data_ == nullptr ? mmap(nullptr, capacity, PROT_READ | PROT_WRITE,
                                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                 : mremap(data_, capacity_, capacity, MREMAP_MAYMOVE);
  if (block == MAP_FAILED) throw std::bad_alloc();
  // Huge pages: a fault per 2 MiB instead of per 4 KiB as read() fills the buffer, and fewer TLB
  // misses when the output gathers lines from all over it. Only a hint; mremap keeps it.
  if (data_ == nullptr) madvise(block, capacity, MADV_HUGEPAGE);
  data_ = static_cast<char*>(block);
  capacity_ = capacity;
}

}  // namespace wyc::cli
