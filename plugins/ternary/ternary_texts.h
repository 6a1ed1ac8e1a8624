#pragma once

#include <string>

namespace plot {

// The label of a grid line whose end lies at `x`: x read as a percentage, to the nearest
// 16-bit integer with halves to even (0.125 gives "12 "); Overflow outside the 16-bit range.
std::string grid_label(double x);

// Three coefficients of a principal component, two blanks apart: "0.5  -0.25  0.1 ".
std::string coefficient_row(const float (&pc)[6], int first);

}  // namespace plot
