#pragma once

namespace plot {

// Opens the X display for FLTK once, if there is one; never exits the process when there
// is none (FLTK's own opener would).
bool open_display_connection();
bool display_connection_open();

}  // namespace plot
