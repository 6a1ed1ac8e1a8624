#pragma once

#include <cstdint>

#include "core/platform/drawing_surface.h"

namespace plot {

// Window handles and device contexts cross the renderer's interface as 32-bit integers; this
// table turns a device context number back into its surface. 0 is never a valid number.
int32_t register_device_context(DrawingSurface* surface);
void unregister_device_context(int32_t hdc);
DrawingSurface* device_context(int32_t hdc);

int32_t new_window_handle();

}  // namespace plot
