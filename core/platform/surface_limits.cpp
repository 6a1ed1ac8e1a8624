#include "core/platform/surface_limits.h"

#include <GL/gl.h>

#include <algorithm>
#include <limits>
#include <string>

#include "core/errors/runtime_error.h"
#include "core/platform/egl_offscreen_surface.h"

namespace plot {
namespace {

SurfaceSize g_viewport_limit{std::numeric_limits<int32_t>::max(),
                             std::numeric_limits<int32_t>::max()};

}  // namespace

void note_viewport_limit() {
  GLint dims[2] = {0, 0};
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, dims);
  if (dims[0] > 0 && dims[1] > 0) g_viewport_limit = {dims[0], dims[1]};
}

SurfaceSize largest_surface() {
  const SurfaceSize pbuffer = EglOffscreenSurface::pbuffer_limit();
  return {std::min(pbuffer.width, g_viewport_limit.width),
          std::min(pbuffer.height, g_viewport_limit.height)};
}

bool surface_fits(int32_t width, int32_t height) {
  const SurfaceSize largest = largest_surface();
  return width <= largest.width && height <= largest.height &&
         int64_t{width} * int64_t{height} <= kMaxSurfacePixels;
}

void check_surface_size(int32_t width, int32_t height) {
  if (surface_fits(width, height)) return;
  const SurfaceSize largest = largest_surface();
  throw RuntimeError(ErrorNumber::InvalidCall,
                     std::to_string(width) + " x " + std::to_string(height) +
                         " is beyond the largest surface, " + std::to_string(largest.width) +
                         " x " + std::to_string(largest.height) + " and " +
                         std::to_string(kMaxSurfacePixels) + " pixels");
}

}  // namespace plot
