#pragma once

#include <GL/glx.h>

#include <functional>

#include "core/platform/drawing_surface.h"

namespace plot {

// The drawing surface of a viewer's X window. The window is made with the visual of
// window_config(), so that choosing and setting the format only confirm it.
class GlxWindowSurface final : public DrawingSurface {
 public:
  // `window` gives the current X window (0 while none exists); `size` its client size.
  GlxWindowSurface(std::function<::Window()> window, std::function<void(int32_t&, int32_t&)> size);

  bool make_current(GlContext& context) override;
  int32_t width() const override;
  int32_t height() const override;

  // RGB 8/8/8, depth exactly 16, double-buffered; nullptr when the display has none.
  static GLXFBConfig window_config();
  static XVisualInfo* window_visual();

 protected:
  int find_pixel_format(const PixelFormatDescriptor& descriptor) override;
  bool apply_pixel_format(int format) override;
  std::unique_ptr<GlContext> new_context() override;
  void present() override;

 private:
  std::function<::Window()> window_;
  std::function<void(int32_t&, int32_t&)> size_;
};

}  // namespace plot
