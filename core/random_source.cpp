// The process-wide random source.
#include "core/random_source.h"

#include <bit>

namespace wyc {

RandomSource& ProcessRandomSource() {
  static MersenneTwisterSource source;
  return source;
}

std::uint64_t SeedFromTimeOfDay(float secondsSinceMidnight) {
  return std::bit_cast<std::uint32_t>(secondsSinceMidnight);
}

}  // namespace wyc
