#pragma once

#include <cmath>
#include <cstdint>

#include "plot_ternary_records.h"

namespace plot::bench {

// 501 points spread over the triangle by two irrational strides, in ten groups.
inline void spread_501_points(Vector_Punts& points) {
  points.long_ = 501;
  for (int i = 0; i < 501; ++i) {
    const double a = std::fmod(i * 0.618034, 1.0);
    const double b = (1 - a) * std::fmod(i * 0.414214, 1.0);
    points.Punts[i] = {
        0.5 * a + (1 - a - b), 0.866 * a, {1, 0, 0}, static_cast<int16_t>(i % 10 + 1)};
  }
}

}  // namespace plot::bench
