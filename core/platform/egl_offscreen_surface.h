#pragma once

#include <EGL/egl.h>

#include "core/platform/drawing_surface.h"
#include "core/platform/surface_limits.h"

namespace plot {

// An off-screen drawing surface: an EGL pbuffer on Mesa's surfaceless platform, so that the
// whole entry sequence and PNG export run without an X server.
class EglOffscreenSurface final : public DrawingSurface {
 public:
  EglOffscreenSurface(int32_t width, int32_t height);
  ~EglOffscreenSurface() override;

  bool make_current(GlContext& context) override;
  int32_t width() const override { return width_; }
  int32_t height() const override { return height_; }
  int picture_scale() const override { return picture_scale_; }
  bool keeps_last_frame() const override { return true; }

  // The renderer drawing on it draws at this scale from its next Initialize or rescale on.
  void set_picture_scale(int scale) { picture_scale_ = scale; }

  // A new client size: the pbuffer is made anew; a context bound to it is bound again.
  void resize(int32_t width, int32_t height);

  // Contexts made from now on go back to a small pool when deleted, cleared, and the next
  // surface of the same config takes one from there instead of making a new one.
  void reuse_contexts() { reuse_contexts_ = true; }

  // True when the surfaceless platform and an OpenGL config are available.
  static bool available();
  // The largest pbuffer the driver reports; no limit when it reports none. Sizes beyond it are
  // clamped to it.
  static SurfaceSize pbuffer_limit();

 protected:
  int find_pixel_format(const PixelFormatDescriptor& descriptor) override;
  bool apply_pixel_format(int format) override;
  std::unique_ptr<GlContext> new_context() override;
  void present() override;

 private:
  void make_pbuffer();

  int32_t width_;
  int32_t height_;
  EGLConfig config_ = nullptr;
  EGLSurface pbuffer_ = EGL_NO_SURFACE;
  bool reuse_contexts_ = false;
  int picture_scale_ = 1;
};

}  // namespace plot
