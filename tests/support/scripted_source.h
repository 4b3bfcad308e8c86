// Random sources for tests: one that plays back fixed draws, one that counts its draws.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/random_source.h"

namespace wyc::test {

// Plays back the given draws in turn, then repeats the last one; counts every draw.
class ScriptedSource {
 public:
  explicit ScriptedSource(std::vector<double> draws) : draws_(std::move(draws)) {}
  double draw() {
    const double value = draws_.empty() ? 0.0 : draws_[std::min(count_, draws_.size() - 1)];
    ++count_;
    return value;
  }
  [[nodiscard]] std::size_t draws() const { return count_; }

 private:
  std::vector<double> draws_;
  std::size_t count_ = 0;
};

// A seeded generator that counts its draws.
class CountingSource {
 public:
  explicit CountingSource(std::uint64_t seed) : source_(seed) {}
  double draw() {
    ++count_;
    return source_.draw();
  }
  [[nodiscard]] std::size_t draws() const { return count_; }

 private:
  MersenneTwisterSource source_;
  std::size_t count_ = 0;
};

}  // namespace wyc::test
