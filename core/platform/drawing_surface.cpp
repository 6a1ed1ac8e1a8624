#include "core/platform/drawing_surface.h"

#include "core/platform/testing_hooks.h"

namespace plot {
namespace {

GlContext* g_current = nullptr;

}  // namespace

int DrawingSurface::choose_pixel_format(const PixelFormatDescriptor& descriptor) {
  if (testing_hooks::failing(PlatformStep::pixel_format)) return 0;
  return find_pixel_format(descriptor);
}

bool DrawingSurface::set_pixel_format(int format) {
  if (testing_hooks::failing(PlatformStep::set_pixel_format)) return false;
  return apply_pixel_format(format);
}

std::unique_ptr<GlContext> DrawingSurface::create_context() {
  if (testing_hooks::failing(PlatformStep::context)) return nullptr;
  return new_context();
}

void DrawingSurface::swap_buffers() {
  if (observer_) observer_(*this);
  present();
}

void note_current_context(GlContext* context) {
  if (g_current != nullptr && context != g_current) g_current->release_current();
  g_current = context;
}

void forget_context(GlContext* context) {
  if (g_current == context) g_current = nullptr;
}

void release_noted_context() {
  if (g_current == nullptr) return;
  g_current->release_current();
  g_current = nullptr;
}

GLuint gen_lists(GLsizei count) {
  return g_current != nullptr ? g_current->gen_lists(count) : glGenLists(count);
}

}  // namespace plot
