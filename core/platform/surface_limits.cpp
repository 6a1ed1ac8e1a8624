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

bool surface_fits(int64_t width, int64_t height) {
  const SurfaceSize largest = largest_surface();
  return width <= largest.width && height <= largest.height && width * height <= kMaxSurfacePixels;
}

namespace {

std::string beyond_largest() {
  const SurfaceSize largest = largest_surface();
  return " is beyond the largest surface, " + std::to_string(largest.width) + " x " +
         std::to_string(largest.height) + " and " + std::to_string(kMaxSurfacePixels) + " pixels";
}

}  // namespace

void check_surface_size(int64_t width, int64_t height) {
  if (surface_fits(width, height)) return;
  throw RuntimeError(ErrorNumber::InvalidCall,
                     std::to_string(width) + " x " + std::to_string(height) + beyond_largest());
}

void check_surface_size(int64_t width, int64_t height, int scale) {
  if (scale == 1) return check_surface_size(width, height);
  if (surface_fits(width * scale, height * scale)) return;
  throw RuntimeError(ErrorNumber::InvalidCall,
                     std::to_string(width) + " x " + std::to_string(height) + " at picture scale " +
                         std::to_string(scale) + ", " + std::to_string(width * scale) + " x " +
                         std::to_string(height * scale) + " pixels," + beyond_largest());
}

}  // namespace plot
