// A hint to fetch memory that will be read soon; nothing where the compiler has no such hint.
#pragma once

namespace wyc {

inline void PrefetchForRead([[maybe_unused]] const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#endif
}

}  // namespace wyc
