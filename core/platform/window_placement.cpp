#include "core/platform/window_placement.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstring>

namespace plot {

bool viewer_managed_elsewhere(Display* display, ::Window self) {
  const Atom client_list = XInternAtom(display, "_NET_CLIENT_LIST", True);
  if (client_list == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, DefaultRootWindow(display), client_list, 0, 1 << 16, False,
                         XA_WINDOW, &type, &format, &count, &remaining, &data) != Success ||
      data == nullptr)
    return false;
  // Format 32 comes as an array of longs.
  const auto* windows = reinterpret_cast<const ::Window*>(data);
  bool found = false;
  for (unsigned long k = 0; k < count && !found && type == XA_WINDOW; ++k) {
    XClassHint hint{};
    if (windows[k] == self || XGetClassHint(display, windows[k], &hint) == 0) continue;
    found = hint.res_name != nullptr && std::strcmp(hint.res_name, kViewerWindowClass) == 0;
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  XFree(data);
  return found;
}

void hint_program_position(Display* display, ::Window window, int x, int y, int min_width,
                           int min_height) {
  XSizeHints* hints = XAllocSizeHints();
  hints->flags = PPosition | PMinSize | PWinGravity;
  hints->x = x;
  hints->y = y;
  hints->min_width = min_width;
  hints->min_height = min_height;
  hints->win_gravity = StaticGravity;  // as the toolkit gives it: the client area stays put
  XSetWMNormalHints(display, window, hints);
  XFree(hints);
}

}  // namespace plot
