#pragma once

#include <array>

#include "compositions.h"

namespace stats {

// The plane frame of the ternary diagram: the first part at the top vertex (0.5, 0.866), the
// second at (0, 0), the third at (1, 0). `c` is a closed three-part composition.
inline constexpr double kTernaryHeight = 0.866;
std::array<double, 2> ternary_point(double first, double second, double third);

// The closed composition at clr coordinates `clr` (any length), the inverse of clr.
Vector clr_inverse(const Vector& clr);

}  // namespace stats
