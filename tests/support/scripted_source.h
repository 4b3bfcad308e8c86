// A random source for tests that plays back fixed draws, or draws from a seeded generator, and
// counts its draws.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/random_source.h"

namespace wyc::test {

class ScriptedSource {
 public:
  // Plays back `draws` in turn, then repeats the last one.
  explicit ScriptedSource(std::vector<double> draws) : draws_(std::move(draws)) {}
  explicit ScriptedSource(std::uint64_t seed) : generator_(seed) {}
  double draw() {
    ++count_;
    if (draws_.empty()) return generator_.draw();
    return draws_[std::min(count_, draws_.size()) - 1];
  }
  [[nodiscard]] std::size_t draws() const { return count_; }

 private:
  std::vector<double> draws_;
  MersenneTwisterSource generator_;
  std::size_t count_ = 0;
};

}  // namespace wyc::test
