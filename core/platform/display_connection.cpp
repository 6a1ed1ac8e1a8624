#include "core/platform/display_connection.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xlib.h>

#include <cstdlib>

namespace plot {
namespace {

bool g_open = false;
bool g_tried = false;

}  // namespace

bool open_display_connection() {
  if (g_tried) return g_open;
  g_tried = true;
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return false;
  Display* probe = XOpenDisplay(name);
  if (probe == nullptr) return false;
  XCloseDisplay(probe);
  fl_open_display();
  g_open = fl_display != nullptr;
  return g_open;
}

bool display_connection_open() {
  return g_open;
}

}  // namespace plot
