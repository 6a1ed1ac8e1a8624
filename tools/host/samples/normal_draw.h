#pragma once

#include <cmath>
#include <random>

// A standard normal draw from the engine's raw output, so a sample is the same with every
// standard library.
inline double standard_normal(std::mt19937& engine) {
  const double u1 = (static_cast<double>(engine()) + 1.0) / 4294967297.0;
  const double u2 = static_cast<double>(engine()) / 4294967296.0;
  return std::sqrt(-2 * std::log(u1)) * std::cos(2 * M_PI * u2);
}
