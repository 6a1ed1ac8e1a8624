#include "core/form/form_window.h"
#include "core/platform/display_connection.h"

namespace plot {
namespace {
DisplayMode g_mode = DisplayMode::Auto;
}

void set_display_mode(DisplayMode mode) {
  g_mode = mode;
}
DisplayMode display_mode() {
  return g_mode;
}

bool use_windows() {
  if (g_mode == DisplayMode::Offscreen) return false;
  return open_display_connection();
}

}  // namespace plot
