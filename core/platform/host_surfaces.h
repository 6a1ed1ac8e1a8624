#pragma once

#include <cstdint>

#include "core/platform/image.h"

namespace plot {

// The off-screen surfaces a host makes for renderers it drives on its own, by device context.
// Each keeps the last frame presented into it. They live until the host frees them or the
// plug-in is unloaded.
int32_t make_host_surface(int32_t width, int32_t height);  // 0 beyond the largest surface
bool free_host_surface(int32_t hdc);                       // false for a number not given
// The last frame presented into the surface; nullptr for a number not given.
const Image* host_surface_picture(int32_t hdc);

}  // namespace plot
