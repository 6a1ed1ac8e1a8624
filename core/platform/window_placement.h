#pragma once

#include <X11/Xlib.h>

namespace plot {

// The class every viewer window carries (WM_CLASS), whichever process shows it.
inline constexpr const char* kViewerWindowClass = "compositional-plots";

// Whether a window manager already manages a window of the viewers' class other than `self`:
// its client list (EWMH) names them, from every process. Without a window manager nothing
// is placed for us, and this is false.
bool viewer_managed_elsewhere(Display* display, ::Window self);

// The size hints of a viewer: the smallest size a user may give it, no largest, and (x, y) as
// the program's position (PPosition), not the user's (USPosition): a window manager may place
// the window as it places other programs'. No round trip: sent right behind the window's map
// request, they reach the server before a window manager can ask for them.
void hint_program_position(Display* display, ::Window window, int x, int y, int min_width,
                           int min_height);

}  // namespace plot
