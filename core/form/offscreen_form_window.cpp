#include "core/form/offscreen_form_window.h"

#include <algorithm>

#include "core/platform/device_context_table.h"

namespace plot {

OffscreenFormWindow::OffscreenFormWindow(const PluginProfile& profile, FormEvents& events)
    : profile_(profile),
      events_(events),
      width_(twips_to_pixels(profile.layout.client_width)),
      height_(twips_to_pixels(profile.layout.client_height)) {}

OffscreenFormWindow::~OffscreenFormWindow() {
  unload();
}

void OffscreenFormWindow::create_native() {
  if (surface_) return;
  // A window made anew has the designed client size.
  width_ = twips_to_pixels(profile_.layout.client_width);
  height_ = twips_to_pixels(profile_.layout.client_height);
  scale_ = plot::picture_scale();
  surface_ = std::make_unique<EglOffscreenSurface>(width_ * scale_, height_ * scale_);
  surface_->set_picture_scale(scale_);
  // A batch host opens one viewer after another: each renderer's context is the last one's.
  surface_->reuse_contexts();
  surface_->set_present_observer(
      [this](DrawingSurface& presented) { events_.frame_presented(presented); });
  hwnd_ = new_window_handle();
  hdc_ = register_device_context(surface_.get());
}

int32_t OffscreenFormWindow::hwnd() {
  create_native();
  return hwnd_;
}

int32_t OffscreenFormWindow::hdc() {
  create_native();
  return hdc_;
}

void OffscreenFormWindow::show() {
  create_native();
  if (shown_) return;
  shown_ = true;
  events_.Form_Resize();
  events_.Form_Paint();
}

void OffscreenFormWindow::unload() {
  shown_ = false;
  if (!surface_) return;
  unregister_device_context(hdc_);
  surface_.reset();
  hwnd_ = 0;
  hdc_ = 0;
}

void OffscreenFormWindow::user_resize(int32_t width, int32_t height) {
  if (!shown_) return;
  const bool grew = width > width_ || height > height_;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  surface_->resize(width_ * scale_, height_ * scale_);
  events_.Form_Resize();
  // A desktop repaints only the area a resize uncovered.
  if (grew) events_.Form_Paint();
}

void OffscreenFormWindow::set_picture_scale(int scale) {
  const bool grew = scale > scale_;
  scale_ = scale;
  if (!surface_) return;
  surface_->set_picture_scale(scale);
  surface_->resize(width_ * scale_, height_ * scale_);
  if (!shown_) return;
  events_.picture_rescaled();
  events_.Form_Resize();
  if (grew) events_.Form_Paint();
}

void OffscreenFormWindow::user_click(ButtonId button) {
  if (!shown_) return;
  for (const auto& placement : profile_.layout.buttons)
    if (placement.id == button) {
      events_.button_click(button);
      return;
    }
}

void OffscreenFormWindow::user_close() {
  if (!shown_) return;
  int16_t cancel = 0;
  events_.Form_Unload(cancel);
  if (cancel == 0) unload();
}

void OffscreenFormWindow::user_drag(int32_t dx, int32_t dy) {
  if (shown_) events_.mouse_drag(dx, dy);
}

void OffscreenFormWindow::user_wheel(int32_t steps) {
  if (shown_) events_.mouse_wheel(steps);
}

void OffscreenFormWindow::flush() {
  if (!frame_requested_) return;
  frame_requested_ = false;
  if (shown_) events_.Form_Paint();
}

}  // namespace plot
