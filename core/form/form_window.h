#pragma once

#include <cstdint>

#include "core/platform/drawing_surface.h"
#include "core/platform/image.h"
#include "core/profile/plugin_profile.h"

namespace plot {

// The events a viewer form handles.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void Form_Paint() = 0;
  virtual void Form_Resize() = 0;
  virtual void Form_Unload(int16_t& Cancel) = 0;
  virtual void button_click(ButtonId button) = 0;
  // The frame is still readable from `surface` during the call.
  virtual void frame_presented(DrawingSurface& surface) = 0;
  // A pointer drag over the picture (pixels, y down), a wheel turn (positive: away from the
  // user) and Ctrl+S; a form without a camera or a picture may ignore them.
  virtual void mouse_drag(int32_t dx, int32_t dy) {
    (void)dx;
    (void)dy;
  }
  virtual void mouse_wheel(int32_t steps) { (void)steps; }
  virtual void save_picture() {}
  // The client area's picture scale changed (its pixel size follows, and a resize comes next).
  virtual void picture_rescaled() {}
};

// The native side of a viewer form: a top-level window whose client area is the drawing
// surface, with the form's buttons on top. The object lives as long as the form; the native
// window is made on demand and destroyed by unload.
class FormWindow {
 public:
  virtual ~FormWindow() = default;

  // Makes the native window if needed and gives its numbers (device context: a surface).
  virtual int32_t hwnd() = 0;
  virtual int32_t hdc() = 0;
  // Shows it modeless; the first show delivers a resize, then a paint.
  virtual void show() = 0;
  virtual bool shown() const = 0;
  // Destroys the native window; no event is sent.
  virtual void unload() = 0;
  // The client area in pixels of its surface: its size in window pixels times the picture
  // scale.
  virtual int32_t client_width() const = 0;
  // On a desktop every frame is seen; off screen only what a host reads back.
  virtual bool on_desktop() const = 0;
  virtual int32_t client_height() const = 0;
  // A window on a desktop has the screen's pixels (scale 1); an off-screen one may have more.
  virtual int picture_scale() const { return 1; }
  virtual void set_picture_scale(int scale) { (void)scale; }

  // What a user does with the window, for hosts and tests without a pointer.
  virtual void user_resize(int32_t width, int32_t height) = 0;
  virtual void user_click(ButtonId button) = 0;
  virtual void user_close() = 0;
  virtual void user_drag(int32_t dx, int32_t dy) = 0;
  virtual void user_wheel(int32_t steps) = 0;

  // Asks for a paint: however many requests come first, the window system paints once.
  virtual void request_frame() = 0;
  // Paints now what was requested, as the event loop does after the queued events.
  virtual void flush() = 0;
};

enum class DisplayMode { Auto, Window, Offscreen };

void set_display_mode(DisplayMode mode);
DisplayMode display_mode();
// Window when asked, or when Auto and an X display can be opened.
bool use_windows();

// The picture scale of off-screen viewers (1 to 4): each size in window pixels (the designed
// client area, a resize) gives a surface of that many times the pixels each way.
void set_picture_scale(int scale);
int picture_scale();

// Whether every presented frame is read back at once, as a window's frame is gone after its
// swap. Off by default: an off-screen picture is read only when asked for.
void set_frame_capture(bool on);
bool frame_capture();

}  // namespace plot
