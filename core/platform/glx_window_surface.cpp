#include "core/platform/glx_window_surface.h"

#include <FL/Fl.H>
#include <FL/x.H>

namespace plot {
namespace {

GLXFBConfig choose_config(const PixelFormatDescriptor& descriptor) {
  if (fl_display == nullptr) return nullptr;
  const int channel = descriptor.colour_bits / 3;
  const int attributes[] = {
      GLX_X_RENDERABLE,
      True,
      GLX_DRAWABLE_TYPE,
      GLX_WINDOW_BIT,
      GLX_RENDER_TYPE,
      GLX_RGBA_BIT,
      GLX_RED_SIZE,
      channel,
      GLX_GREEN_SIZE,
      channel,
      GLX_BLUE_SIZE,
      channel,
      GLX_DEPTH_SIZE,
      descriptor.depth_bits,
      GLX_DOUBLEBUFFER,
      (descriptor.flags & PixelFormatDescriptor::kDoubleBuffer) ? True : False,
      None};
  int count = 0;
  GLXFBConfig* configs = glXChooseFBConfig(fl_display, fl_screen, attributes, &count);
  if (configs == nullptr) return nullptr;
  GLXFBConfig chosen = nullptr;
  for (int i = 0; i < count && chosen == nullptr; ++i) {
    int depth = 0;
    glXGetFBConfigAttrib(fl_display, configs[i], GLX_DEPTH_SIZE, &depth);
    if (depth == descriptor.depth_bits) chosen = configs[i];
  }
  if (chosen == nullptr && count > 0) chosen = configs[0];
  XFree(configs);
  return chosen;
}

class GlxContext final : public GlContext {
 public:
  explicit GlxContext(GLXContext context) : context_(context) {}
  ~GlxContext() override {
    forget_context(this);
    if (glXGetCurrentContext() == context_) glXMakeContextCurrent(fl_display, None, None, nullptr);
    glXDestroyContext(fl_display, context_);
  }
  void release_current() override { glXMakeContextCurrent(fl_display, None, None, nullptr); }
  GLXContext native() const { return context_; }

 private:
  GLXContext context_;
};

}  // namespace

GlxWindowSurface::GlxWindowSurface(std::function<::Window()> window,
                                   std::function<void(int32_t&, int32_t&)> size)
    : window_(std::move(window)), size_(std::move(size)) {}

GLXFBConfig GlxWindowSurface::window_config() {
  static GLXFBConfig config = choose_config(PixelFormatDescriptor{});
  return config;
}

XVisualInfo* GlxWindowSurface::window_visual() {
  static XVisualInfo* visual =
      window_config() != nullptr ? glXGetVisualFromFBConfig(fl_display, window_config()) : nullptr;
  return visual;
}

int GlxWindowSurface::find_pixel_format(const PixelFormatDescriptor& descriptor) {
  return choose_config(descriptor) != nullptr && window_() != 0 ? 1 : 0;
}

bool GlxWindowSurface::apply_pixel_format(int format) {
  // The visual was fixed when the X window was made.
  return format == 1 && window_() != 0;
}

std::unique_ptr<GlContext> GlxWindowSurface::new_context() {
  if (window_config() == nullptr) return nullptr;
  GLXContext context =
      glXCreateNewContext(fl_display, window_config(), GLX_RGBA_TYPE, nullptr, True);
  if (context == nullptr) return nullptr;
  return std::make_unique<GlxContext>(context);
}

bool GlxWindowSurface::make_current(GlContext& context) {
  auto* glx = dynamic_cast<GlxContext*>(&context);
  const ::Window window = window_();
  if (glx == nullptr || window == 0) return false;
  note_current_context(&context);
  if (glXGetCurrentContext() == glx->native() && glXGetCurrentDrawable() == window) return true;
  return glXMakeContextCurrent(fl_display, window, window, glx->native()) == True;
}

int32_t GlxWindowSurface::width() const {
  int32_t w = 0;
  int32_t h = 0;
  size_(w, h);
  return w;
}

int32_t GlxWindowSurface::height() const {
  int32_t w = 0;
  int32_t h = 0;
  size_(w, h);
  return h;
}

void GlxWindowSurface::present() {
  const ::Window window = window_();
  if (window != 0) glXSwapBuffers(fl_display, window);
}

}  // namespace plot
