#pragma once

#include <memory>

#include "core/form/form_window.h"

namespace plot {

class FltkTopWindow;

// A viewer window on the desktop: an FLTK top-level window whose client area is a GL child
// window with the surface's visual, and one small child window per button, on top of it.
class FltkFormWindow final : public FormWindow {
 public:
  FltkFormWindow(const PluginProfile& profile, FormEvents& events);
  ~FltkFormWindow() override;

  int32_t hwnd() override;
  int32_t hdc() override;
  void show() override;
  bool shown() const override { return shown_; }
  void unload() override;
  int32_t client_width() const override;
  bool on_desktop() const override { return true; }
  int32_t client_height() const override;

  void user_resize(int32_t width, int32_t height) override;
  void user_click(ButtonId button) override;
  void user_close() override;
  void user_drag(int32_t dx, int32_t dy) override;
  void user_wheel(int32_t steps) override;
  void request_frame() override;
  void flush() override;

 private:
  void create_native();

  const PluginProfile& profile_;
  FormEvents& events_;
  std::unique_ptr<FltkTopWindow> top_;
  std::unique_ptr<DrawingSurface> surface_;
  int32_t hwnd_ = 0;
  int32_t hdc_ = 0;
  bool shown_ = false;
};

}  // namespace plot
