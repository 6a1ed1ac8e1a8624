#pragma once

#include "compositions.h"

namespace stats {

// The height of the plug-ins' ternary frame, 0.866 as they draw it.
inline constexpr double kTernaryHeight = 0.866;

// Three-part compositions (rows of non-negative parts with a positive sum, closed first) as
// points of the ternary frame, x and y per row:
// the first part at the top vertex (0.5, 0.866), the second at (0, 0), the third at (1, 0).
Matrix ternary_positions(const Matrix& compositions);

}  // namespace stats
