// A hint to fetch memory that will be read soon, for the output that gathers lines from all
// over the input; nothing where the compiler has no such hint.
#pragma once

namespace wyc::cli {

inline void PrefetchForRead([[maybe_unused]] const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#endif
}

}  // namespace wyc::cli
