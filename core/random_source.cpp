// The process-wide random source.
#include "core/random_source.h"

#include <cstring>

namespace wyc {

RandomSource& ProcessRandomSource() {
  static MersenneTwisterSource source;
  return source;
}

std::uint64_t SeedFromTimeOfDay(float secondsSinceMidnight) {
  // memcpy, not std::bit_cast, which the browser build's standard library lacks.
  std::uint32_t bits = 0;
  static_assert(sizeof bits == sizeof secondsSinceMidnight);
  std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
  return bits;
}

}  // namespace wyc
