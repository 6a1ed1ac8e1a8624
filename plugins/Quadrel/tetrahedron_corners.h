#pragma once

#include <array>
#include <string>

#include "core/render/renderer.h"

namespace plot {

// The names of the corners in the order of the options file: B (the top of the unturned
// picture), A (lower left), C (right), D (the apex, toward the viewer).
using CornerNames = std::array<std::string, 4>;

// Each name in black beside its corner, on the side that faces away from the body's centre as
// the camera sees it now. Compiled with the turn in force, so after any turn a name sits at its
// corner.
void draw_corner_names(Renderer& renderer, const CornerNames& names);

}  // namespace plot
