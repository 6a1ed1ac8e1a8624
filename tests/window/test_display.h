#pragma once

// Include after gtest and FLTK: Xlib's macros would break gtest's templates.
#include <FL/Fl.H>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace plot::testing {

// The test X server named in PLOT_TEST_DISPLAY, made the DISPLAY; null when none is named.
inline const char* use_test_display() {
  const char* display = std::getenv("PLOT_TEST_DISPLAY");
  if (display != nullptr) setenv("DISPLAY", display, 1);
  return display;
}

// A connection to `display`: the server now and then refuses one at once; a few tries get
// through. Null when none did.
inline Display* connect_display(const char* display) {
  Display* x = nullptr;
  for (int attempt = 0; attempt < 20 && x == nullptr; ++attempt) {
    x = XOpenDisplay(display);
    if (x == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return x;
}

// FLTK's events handled for a moment.
inline void pump() {
  for (int i = 0; i < 15; ++i) Fl::wait(0.01);
}

}  // namespace plot::testing
