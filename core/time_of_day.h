// The local time of day, the seed of every rewrite.
#pragma once

namespace wyc {

// Seconds since local midnight, with their fraction.
float SecondsSinceMidnight();

}  // namespace wyc
