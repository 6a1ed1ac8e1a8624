#include "core/platform/egl_offscreen_surface.h"

#include <EGL/eglext.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace plot {
namespace {

// One display for the process, never terminated: contexts may outlive any one surface.
EGLDisplay egl_display() {
  static EGLDisplay display = [] {
    auto get_platform_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (get_platform_display == nullptr) return EGL_NO_DISPLAY;
    EGLDisplay d =
        get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (d == EGL_NO_DISPLAY) return d;
    EGLint major = 0;
    EGLint minor = 0;
    if (!eglInitialize(d, &major, &minor)) return EGL_NO_DISPLAY;
    eglBindAPI(EGL_OPENGL_API);
    return d;
  }();
  return display;
}

std::vector<EGLConfig> matching_configs(const PixelFormatDescriptor& descriptor) {
  EGLDisplay display = egl_display();
  if (display == EGL_NO_DISPLAY) return {};
  const int channel = descriptor.colour_bits / 3;
  const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                               EGL_OPENGL_BIT,   EGL_RED_SIZE,    channel,
                               EGL_GREEN_SIZE,   channel,         EGL_BLUE_SIZE,
                               channel,          EGL_DEPTH_SIZE,  descriptor.depth_bits,
                               EGL_NONE};
  EGLint count = 0;
  if (!eglChooseConfig(display, attributes, nullptr, 0, &count) || count <= 0) return {};
  std::vector<EGLConfig> configs(static_cast<std::size_t>(count));
  eglChooseConfig(display, attributes, configs.data(), count, &count);
  configs.resize(static_cast<std::size_t>(count));
  // Exactly the asked colour and depth first, as the window surface does.
  std::stable_partition(configs.begin(), configs.end(), [&](EGLConfig c) {
    EGLint depth = 0;
    EGLint red = 0;
    eglGetConfigAttrib(display, c, EGL_DEPTH_SIZE, &depth);
    eglGetConfigAttrib(display, c, EGL_RED_SIZE, &red);
    return depth == descriptor.depth_bits && red == channel;
  });
  return configs;
}

// Contexts that released renderers gave back, cleared. llvmpipe compiles its drawing code
// anew in every context, which costs more than the rest of a plot; a kept context has it.
struct IdleContext {
  EGLConfig config;
  EGLContext context;
};
constexpr std::size_t kIdleContexts = 1;  // one form per plug-in: one viewer at a time

std::vector<IdleContext>& idle_contexts() {
  static auto* idle = new std::vector<IdleContext>();  // outlives the plug-in's statics
  return *idle;
}

EGLContext take_idle(EGLConfig config) {
  auto& idle = idle_contexts();
  for (auto it = idle.begin(); it != idle.end(); ++it)
    if (it->config == config) {
      const EGLContext context = it->context;
      idle.erase(it);
      return context;
    }
  return EGL_NO_CONTEXT;
}

// Back to the state it had when first made current: no display list, the defaults pushed
// then, identity matrices, no pending error.
void clear_to_defaults(GLuint names) {
  GLint compiling = 0;
  glGetIntegerv(GL_LIST_INDEX, &compiling);
  if (compiling != 0) glEndList();
  if (names > 0) glDeleteLists(1, static_cast<GLsizei>(names));
  GLint depth = 0;
  glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &depth);
  for (; depth > 0; --depth) glPopAttrib();
  glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &depth);
  for (; depth > 0; --depth) glPopClientAttrib();
  for (const GLenum mode : {GL_TEXTURE, GL_PROJECTION, GL_MODELVIEW}) {
    glMatrixMode(mode);
    const GLenum depth_query = mode == GL_TEXTURE      ? GL_TEXTURE_STACK_DEPTH
                               : mode == GL_PROJECTION ? GL_PROJECTION_STACK_DEPTH
                                                       : GL_MODELVIEW_STACK_DEPTH;
    glGetIntegerv(depth_query, &depth);
    for (; depth > 1; --depth) glPopMatrix();
    glLoadIdentity();
  }
  while (glGetError() != GL_NO_ERROR) {
  }
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
}

class EglContext final : public GlContext {
 public:
  EglContext(EGLContext context, EGLConfig config, bool reusable, bool reused)
      : context_(context), config_(config), reusable_(reusable), defaults_saved_(reused) {}
  ~EglContext() override {
    forget_context(this);
    if (eglGetCurrentContext() == context_)
      eglMakeCurrent(egl_display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (!give_back()) eglDestroyContext(egl_display(), context_);
  }
  void release_current() override {
    eglMakeCurrent(egl_display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  }
  // Names counted here, as a fresh context's glGenLists counts them: a reused context's own
  // count went on from the names its earlier renderers took.
  GLuint gen_lists(GLsizei count) override {
    if (!reusable_) return glGenLists(count);
    if (count <= 0) return 0;
    GLuint base = next_list_;
    for (GLuint i = 0; i < static_cast<GLuint>(count); ++i)
      if (glIsList(base + i) == GL_TRUE) {
        base += i + 1;
        i = static_cast<GLuint>(-1);
      }
    next_list_ = base + static_cast<GLuint>(count);
    return base;
  }
  // Called once bound to `width` x `height`.
  void bound(int32_t width, int32_t height) {
    if (!defaults_saved_) {
      defaults_saved_ = true;
      if (reusable_) {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
      }
    } else if (!sized_) {
      // What a fresh context's first binding does.
      glViewport(0, 0, width, height);
      glScissor(0, 0, width, height);
    }
    sized_ = true;
  }
  EGLContext native() const { return context_; }

 private:
  bool give_back() {
    if (!reusable_ || !defaults_saved_ || idle_contexts().size() >= kIdleContexts) return false;
    // Another viewer's context may be current: it is current again afterwards.
    const EGLContext previous = eglGetCurrentContext();
    const EGLSurface draw = eglGetCurrentSurface(EGL_DRAW);
    const EGLSurface read = eglGetCurrentSurface(EGL_READ);
    if (!eglMakeCurrent(egl_display(), EGL_NO_SURFACE, EGL_NO_SURFACE, context_)) return false;
    clear_to_defaults(next_list_ - 1);
    eglMakeCurrent(egl_display(), draw, read, previous);
    idle_contexts().push_back({.config = config_, .context = context_});
    return true;
  }

  EGLContext context_;
  EGLConfig config_;
  bool reusable_;
  bool defaults_saved_;
  bool sized_ = false;
  GLuint next_list_ = 1;
};

int32_t clamped(int32_t size, int32_t limit) {
  return std::clamp(size, 1, std::max(limit, 1));
}

}  // namespace

EglOffscreenSurface::EglOffscreenSurface(int32_t width, int32_t height)
    : width_(clamped(width, pbuffer_limit().width)),
      height_(clamped(height, pbuffer_limit().height)) {}

EglOffscreenSurface::~EglOffscreenSurface() {
  if (pbuffer_ != EGL_NO_SURFACE) {
    if (eglGetCurrentSurface(EGL_DRAW) == pbuffer_)
      eglMakeCurrent(egl_display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroySurface(egl_display(), pbuffer_);
  }
}

bool EglOffscreenSurface::available() {
  return !matching_configs(PixelFormatDescriptor{}).empty();
}

SurfaceSize EglOffscreenSurface::pbuffer_limit() {
  static const SurfaceSize limit = [] {
    constexpr int32_t kNone = std::numeric_limits<int32_t>::max();
    const auto configs = matching_configs(PixelFormatDescriptor{});
    if (configs.empty()) return SurfaceSize{kNone, kNone};
    EGLint width = 0;
    EGLint height = 0;
    eglGetConfigAttrib(egl_display(), configs.front(), EGL_MAX_PBUFFER_WIDTH, &width);
    eglGetConfigAttrib(egl_display(), configs.front(), EGL_MAX_PBUFFER_HEIGHT, &height);
    return SurfaceSize{width > 0 ? width : kNone, height > 0 ? height : kNone};
  }();
  return limit;
}

int EglOffscreenSurface::find_pixel_format(const PixelFormatDescriptor& descriptor) {
  return matching_configs(descriptor).empty() ? 0 : 1;
}

bool EglOffscreenSurface::apply_pixel_format(int format) {
  // Like a window, the surface keeps the first format it was given.
  if (config_ != nullptr) return false;
  const auto configs = matching_configs(PixelFormatDescriptor{});
  if (format < 1 || static_cast<std::size_t>(format) > configs.size()) return false;
  config_ = configs[static_cast<std::size_t>(format - 1)];
  make_pbuffer();
  return pbuffer_ != EGL_NO_SURFACE;
}

void EglOffscreenSurface::make_pbuffer() {
  const EGLint attributes[] = {EGL_WIDTH, width_, EGL_HEIGHT, height_, EGL_NONE};
  pbuffer_ = eglCreatePbufferSurface(egl_display(), config_, attributes);
}

std::unique_ptr<GlContext> EglOffscreenSurface::new_context() {
  if (config_ == nullptr) return nullptr;
  eglBindAPI(EGL_OPENGL_API);
  const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                               EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
  if (reuse_contexts_) {
    const EGLContext idle = take_idle(config_);
    if (idle != EGL_NO_CONTEXT) return std::make_unique<EglContext>(idle, config_, true, true);
  }
  EGLContext context = eglCreateContext(egl_display(), config_, EGL_NO_CONTEXT, attributes);
  if (context == EGL_NO_CONTEXT) return nullptr;
  return std::make_unique<EglContext>(context, config_, reuse_contexts_, false);
}

bool EglOffscreenSurface::make_current(GlContext& context) {
  auto* egl = dynamic_cast<EglContext*>(&context);
  if (egl == nullptr || pbuffer_ == EGL_NO_SURFACE) return false;
  note_current_context(&context);
  if (eglMakeCurrent(egl_display(), pbuffer_, pbuffer_, egl->native()) != EGL_TRUE) return false;
  egl->bound(width_, height_);
  return true;
}

void EglOffscreenSurface::resize(int32_t width, int32_t height) {
  width_ = clamped(width, pbuffer_limit().width);
  height_ = clamped(height, pbuffer_limit().height);
  if (pbuffer_ == EGL_NO_SURFACE) return;
  const bool was_current = eglGetCurrentSurface(EGL_DRAW) == pbuffer_;
  EGLContext context = eglGetCurrentContext();
  if (was_current) eglMakeCurrent(egl_display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  eglDestroySurface(egl_display(), pbuffer_);
  make_pbuffer();
  if (was_current && pbuffer_ != EGL_NO_SURFACE)
    eglMakeCurrent(egl_display(), pbuffer_, pbuffer_, context);
}

void EglOffscreenSurface::present() {
  eglSwapBuffers(egl_display(), pbuffer_);
}

}  // namespace plot
