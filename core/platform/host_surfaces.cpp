#include "core/platform/host_surfaces.h"

#include <map>
#include <memory>

#include "core/platform/device_context_table.h"
#include "core/platform/egl_offscreen_surface.h"
#include "core/platform/surface_limits.h"

namespace plot {
namespace {

struct HostSurface {
  std::unique_ptr<EglOffscreenSurface> surface;
  Image last_frame;
};

std::map<int32_t, HostSurface>& host_surfaces() {
  static std::map<int32_t, HostSurface> surfaces;
  return surfaces;
}

}  // namespace

int32_t make_host_surface(int32_t width, int32_t height) {
  if (!surface_fits(width, height)) return 0;
  auto surface = std::make_unique<EglOffscreenSurface>(width, height);
  const int32_t hdc = register_device_context(surface.get());
  HostSurface& made = host_surfaces()[hdc];
  // Read while the presenting renderer's context is current on the surface.
  surface->set_present_observer(
      [&kept = made.last_frame](DrawingSurface& presented) { presented.read_frame(kept); });
  made.surface = std::move(surface);
  return hdc;
}

bool free_host_surface(int32_t hdc) {
  const auto found = host_surfaces().find(hdc);
  if (found == host_surfaces().end()) return false;
  unregister_device_context(hdc);
  host_surfaces().erase(found);
  return true;
}

const Image* host_surface_picture(int32_t hdc) {
  const auto found = host_surfaces().find(hdc);
  return found == host_surfaces().end() ? nullptr : &found->second.last_frame;
}

}  // namespace plot
