#include "core/form/form_window.h"
#include "core/platform/display_connection.h"

namespace plot {
namespace {
DisplayMode g_mode = DisplayMode::Auto;
bool g_capture = false;
}  // namespace

void set_display_mode(DisplayMode mode) {
  g_mode = mode;
}
DisplayMode display_mode() {
  return g_mode;
}

void set_frame_capture(bool on) {
  g_capture = on;
}
bool frame_capture() {
  return g_capture;
}

bool use_windows() {
  if (g_mode == DisplayMode::Offscreen) return false;
  return open_display_connection();
}

}  // namespace plot
