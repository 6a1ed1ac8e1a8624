#include "core/platform/drawing_surface.h"

namespace plot {
namespace {

bool g_fail_pixel_format = false;
GlContext* g_current = nullptr;

}  // namespace

namespace testing_hooks {
void set_pixel_format_failure(bool fail) {
  g_fail_pixel_format = fail;
}
}  // namespace testing_hooks

int DrawingSurface::choose_pixel_format(const PixelFormatDescriptor& descriptor) {
  if (g_fail_pixel_format) return 0;
  return find_pixel_format(descriptor);
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
