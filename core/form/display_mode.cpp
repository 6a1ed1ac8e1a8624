#include "core/form/form_window.h"
#include "core/platform/display_connection.h"

namespace plot {
namespace {
DisplayMode g_mode = DisplayMode::Auto;
bool g_capture = false;
int g_picture_scale = 1;
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

void set_picture_scale(int scale) {
  g_picture_scale = scale;
}
int picture_scale() {
  return g_picture_scale;
}

bool use_windows() {
  if (g_mode == DisplayMode::Offscreen) return false;
  return open_display_connection();
}

}  // namespace plot
