#pragma once

#include <cmath>
#include <cstdint>

// A fixed generator, so every run of a sample draws the same picture with any standard library.
class Lcg {
 public:
  explicit Lcg(uint64_t seed) : state_(seed) {}
  double uniform() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return (static_cast<double>(state_ >> 11) + 0.5) / 9007199254740992.0;
  }
  double normal() {
    const double r = std::sqrt(-2.0 * std::log(uniform()));
    return r * std::cos(2.0 * M_PI * uniform());
  }

 private:
  uint64_t state_;
};
