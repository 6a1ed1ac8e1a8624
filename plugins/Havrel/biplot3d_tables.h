#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/errors/fixed_array.h"
#include "plot_limits.h"

namespace plot {

// What the 3D biplot draws, as its four exchange files left it. Every index is checked: a
// file longer than its table is "Subscript out of range" at its first value beyond it.
struct HavrelTables {
  enum Column { X, Y, Z, Group, Outlier };
  static constexpr int32_t kMaxPoints = PLOT_MAX_3D_OBSERVATIONS;
  static constexpr int32_t kMaxRays = PLOT_MAX_3D_RAYS;

  FixedArray<std::array<double, 5>, 0, kMaxPoints - 1> taulaPunts;
  int16_t nPunts = 0;
  FixedArray<std::array<double, 3>, 0, kMaxRays - 1> taulaLinies;
  FixedArray<std::string, 0, kMaxRays - 1> nomsLinies;
  FixedArray<float, 0, kMaxRays> taulaCpe;  // entry 0 unused
  int16_t nLinies = 0;
  int16_t nRang = 0;
  int16_t modeDibuix = 0;  // 1 colours with a legend, 2 shapes, else colours without one
  FixedArray<std::string, 1, 3> coor;
};

}  // namespace plot
