// The random source: draws 0 <= r < 1 from one process-wide generator that the rewrite
// reseeds from the time of day.
#pragma once

#include <concepts>
#include <cstdint>
#include <random>

namespace wyc {

// What the line shuffle needs of a source; a test can script the draws.
template <class Source>
concept UnitIntervalSource = requires(Source& source) {
  { source.draw() } -> std::same_as<double>;
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void reseed(std::uint64_t seed) = 0;
  // A value r with 0 <= r < 1.
  virtual double draw() = 0;
};

// The 64-bit Mersenne Twister of the standard library (std::mt19937_64). Its output for a
// given seed is fixed by the C++ standard, so a seed gives the same order with every compiler
// and on every platform; the draw takes the top 53 bits, which no library distribution would
// guarantee in the same way.
class MersenneTwisterSource final : public RandomSource {
 public:
  explicit MersenneTwisterSource(std::uint64_t seed = std::mt19937_64::default_seed)
      : engine_(seed) {}
  void reseed(std::uint64_t seed) override { engine_.seed(seed); }
  double draw() override {
    constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
    return static_cast<double>(engine_() >> 11) * kTwoToMinus53;
  }

 private:
  std::mt19937_64 engine_;
};

// The one generator shared by the whole process.
RandomSource& ProcessRandomSource();

// Every distinct single-precision time gives a distinct seed: the value's bit pattern is the seed.
std::uint64_t SeedFromTimeOfDay(float secondsSinceMidnight);

}  // namespace wyc
