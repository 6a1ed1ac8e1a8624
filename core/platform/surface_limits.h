#pragma once

#include <cstdint>

namespace plot {

// The largest client area a viewer or a host's device context may have: what the driver reports
// (the off-screen pbuffer's limits and, once a context has been current, the viewport's), and no
// more pixels than an 8K screen's worth, so that one frame never takes gigabytes.
struct SurfaceSize {
  int32_t width;
  int32_t height;
};

inline constexpr int64_t kMaxSurfacePixels = int64_t{8192} * 4096;

SurfaceSize largest_surface();
bool surface_fits(int32_t width, int32_t height);
// Invalid procedure call, naming the limit, for a size beyond it.
void check_surface_size(int32_t width, int32_t height);
// Records the viewport limit of the context current now.
void note_viewport_limit();

}  // namespace plot
