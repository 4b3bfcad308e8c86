// Byte storage for the command line's input.
#include "core/cli/byte_storage.h"

#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace wyc::cli {
namespace {

// Large blocks come straight from the kernel with every page populated in one call: faulting
// a hundred megabytes in page by page as read() fills it costs more than the read itself.
constexpr std::size_t kMapThreshold = std::size_t{8} << 20;

}  // namespace

ByteStorage::ByteStorage(std::size_t capacity) : capacity_(capacity) {
#ifdef __linux__
  if (capacity >= kMapThreshold) {
    void* block = mmap(nullptr, capacity, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
    data_ = static_cast<char*>(block);
    mapped_ = true;
    return;
  }
#endif
  data_ = static_cast<char*>(::operator new(capacity));
}

ByteStorage::~ByteStorage() { release(); }

ByteStorage::ByteStorage(ByteStorage&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      capacity_(std::exchange(other.capacity_, 0)),
      mapped_(std::exchange(other.mapped_, false)) {}

ByteStorage& ByteStorage::operator=(ByteStorage&& other) noexcept {
  if (this != &other) {
    release();
    data_ = std::exchange(other.data_, nullptr);
    capacity_ = std::exchange(other.capacity_, 0);
    mapped_ = std::exchange(other.mapped_, false);
  }
  return *this;
}

void ByteStorage::release() noexcept {
  if (data_ == nullptr) return;
#ifdef __linux__
  if (mapped_) {
    munmap(data_, capacity_);
    data_ = nullptr;
    return;
  }
#endif
  ::operator delete(data_);
  data_ = nullptr;
}

}  // namespace wyc::cli
