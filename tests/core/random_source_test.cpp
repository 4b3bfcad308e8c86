// The process-wide generator: its range, its repeatability, and seeds from the time of day.
#include "core/random_source.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>
#include <thread>

#include "core/time_of_day.h"

namespace wyc {
namespace {

TEST(MersenneTwisterSource, IsTheStandardEngineScaledToTheUnitInterval) {
  // std::mt19937_64's 10000th output for the default seed is fixed by the C++ standard, so a
  // seed gives the same order on every platform.
  MersenneTwisterSource source(42);
  source.reseed(std::mt19937_64::default_seed);
  std::set<double> draws;  // over the whole interval, never 1
  for (int i = 0; i < 9999; ++i) draws.insert(source.draw());
  EXPECT_TRUE(*draws.begin() >= 0.0 && *draws.begin() < 0.001 && *draws.rbegin() > 0.999);
  EXPECT_EQ(draws.count(1.0), 0U);
  EXPECT_EQ(source.draw(), static_cast<double>(9981545732273789042ULL >> 11) / 9007199254740992.0);
  EXPECT_EQ(&ProcessRandomSource(), &ProcessRandomSource());
}

TEST(SeedFromTimeOfDay, TimesApartByTheirFractionGiveDistinctSeeds) {
  // Neighbouring single-precision times late in the day, under 8 ms apart.
  std::set<std::uint64_t> seeds;
  for (float t = 86390.0F; seeds.size() < 1000; t = std::nextafter(t, 86400.0F)) {
    ASSERT_TRUE(seeds.insert(SeedFromTimeOfDay(t)).second) << t;
  }
  // The clock gives that fraction: times 30 ms apart differ even within one second.
  std::set<float> times;
  for (int i = 0; i < 5; ++i) {
    times.insert(SecondsSinceMidnight());
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  EXPECT_GE(times.size(), 4U);
  EXPECT_TRUE(*times.begin() >= 0.0F && *times.rbegin() < 86401.0F);
}

}  // namespace
}  // namespace wyc
