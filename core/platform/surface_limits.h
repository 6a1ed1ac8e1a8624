#pragma once

#include <cstdint>

namespace plot {

// The largest client area a viewer or a host's device context may have: what the driver reports
// (the off-screen pbuffer's limits and, once a context has been current, the viewport's), and no
// more pixels than an 8K screen's worth, so that one frame never takes gigabytes. An off-screen
// viewer at a picture scale s must fit its size times s each way: all three limits apply to the
// scaled surface. The scaled points and lines stay far inside the driver's ranges (shape 3's
// dot, the largest, is 32 pixels at scale 4), so no other limit applies.
struct SurfaceSize {
  int32_t width;
  int32_t height;
};

inline constexpr int64_t kMaxSurfacePixels = int64_t{8192} * 4096;

SurfaceSize largest_surface();
bool surface_fits(int64_t width, int64_t height);
// Invalid procedure call, naming the limit, for a size beyond it.
void check_surface_size(int64_t width, int64_t height);
// The same for a client area of `width` x `height` window pixels at a picture scale.
void check_surface_size(int64_t width, int64_t height, int scale);
// Records the viewport limit of the context current now.
void note_viewport_limit();

}  // namespace plot
