#pragma once

#include "compositions.h"

namespace stats {

// The four-part plot's frame, with the single-precision constants the plug-in draws its edges
// with: A (0, 0, 0), B (0, 2/sqrt 3, 0), C (sqrt 3/2, 1/2, 0), D (sqrt 3/6, 1/2, 1), one row
// each.
Matrix tetrahedron_vertices();

// Each closed four-part row (no part negative, the parts summing to 1) as the barycentric
// combination of A, B, C and D: one row x, y, z per composition. Anything else is
// std::invalid_argument, since a row that is not closed would land off its place.
Matrix tetrahedron_positions(const Matrix& closed);

}  // namespace stats
