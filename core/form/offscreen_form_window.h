#pragma once

#include <memory>

#include "core/form/form_window.h"
#include "core/platform/egl_offscreen_surface.h"

namespace plot {

// A viewer window without a screen: the client area is an off-screen surface and the
// window-system events are delivered in the order a desktop delivers them.
class OffscreenFormWindow final : public FormWindow {
 public:
  OffscreenFormWindow(const PluginProfile& profile, FormEvents& events);
  ~OffscreenFormWindow() override;

  int32_t hwnd() override;
  int32_t hdc() override;
  void show() override;
  bool shown() const override { return shown_; }
  void unload() override;
  int32_t client_width() const override { return width_ * scale_; }
  bool on_desktop() const override { return false; }
  int32_t client_height() const override { return height_ * scale_; }
  int picture_scale() const override { return scale_; }
  void set_picture_scale(int scale) override;

  void user_resize(int32_t width, int32_t height) override;
  void user_click(ButtonId button) override;
  void user_close() override;
  void user_drag(int32_t dx, int32_t dy) override;
  void user_wheel(int32_t steps) override;
  void request_frame() override { frame_requested_ = true; }
  void flush() override;

 private:
  void create_native();

  const PluginProfile& profile_;
  FormEvents& events_;
  int32_t width_;  // window pixels
  int32_t height_;
  int scale_ = 1;
  int32_t hwnd_ = 0;
  int32_t hdc_ = 0;
  std::unique_ptr<EglOffscreenSurface> surface_;
  bool shown_ = false;
  bool frame_requested_ = false;
};

}  // namespace plot
