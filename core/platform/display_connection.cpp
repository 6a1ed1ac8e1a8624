#include "core/platform/display_connection.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace plot {
namespace {

bool g_open = false;
bool g_tried = false;

}  // namespace

bool open_display_connection() {
  if (g_tried) return g_open;
  g_tried = true;
  // FLTK's connection is shared by every plug-in (and the host) in the process.
  if (fl_display != nullptr) {
    g_open = true;
    return g_open;
  }
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return false;
  // Connections to a busy server are now and then refused at once; a few tries get through.
  Display* display = nullptr;
  for (int attempt = 0; attempt < 20 && display == nullptr; ++attempt) {
    display = XOpenDisplay(name);
    if (display == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (display == nullptr) return false;
  // Handing FLTK our own connection: its own opener ends the process when it fails.
  fl_open_display(display);
  g_open = fl_display != nullptr;
  return g_open;
}

bool display_connection_open() {
  return g_open;
}

}  // namespace plot
