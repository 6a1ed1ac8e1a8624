#include "core/render/renderer.h"

#include <GL/glu.h>

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "core/errors/runtime_error.h"
#include "core/platform/device_context_table.h"
#include "core/platform/message_box.h"
#include "core/platform/surface_limits.h"
#include "core/platform/testing_hooks.h"
#include "core/render/gl_scope.h"
#include "core/render/picture_scale.h"
#include "core/render/vector_page.h"
#include "core/text/glyph_lists.h"
#include "core/text/text_output.h"

namespace plot {
namespace {

std::unordered_set<const Renderer*>& live_renderers() {
  static std::unordered_set<const Renderer*> renderers;
  return renderers;
}

}  // namespace

int32_t live_renderer_count() {
  return static_cast<int32_t>(live_renderers().size());
}

int32_t live_context_count() {
  return static_cast<int32_t>(std::ranges::count_if(
      live_renderers(), [](const Renderer* renderer) { return renderer->has_context(); }));
}

Renderer::Renderer(const PluginProfile& profile) : profile_(profile) {
  live_renderers().insert(this);
}

Renderer::~Renderer() {
  Class_Terminate();
  live_renderers().erase(this);
}

bool Renderer::make_current() {
  DrawingSurface* surface = device_context(hdc_);
  if (surface == nullptr || context_ == nullptr) return false;
  return surface->make_current(*context_);
}

Boolean Renderer::Initialize(int32_t& hwnd, int32_t& hdc) {
  xAngle = 0;
  yAngle = 0;
  zAngle = 0;
  if (profile_.colorp_default) colorp = *profile_.colorp_default;
  if (profile_.colorf_default) colorf = *profile_.colorf_default;
  hwnd_ = hwnd;
  hdc_ = hdc;

  const PixelFormatDescriptor descriptor;
  DrawingSurface* surface = device_context(hdc_);
  const int format = surface != nullptr ? surface->choose_pixel_format(descriptor) : 0;
  if (format == 0) {
    show_message("ChoosePixelFormat failed");
    return false;
  }
  surface->set_pixel_format(format);  // a window keeps the format it was first given
  // List numbers belong to the context they were made in: a second Initialize starts afresh.
  Class_Terminate();
  context_ = surface->create_context();
  if (context_ == nullptr || !make_current()) {
    // Reported like the pixel-format failure rather than carrying on without a context.
    context_.reset();
    show_message("ChoosePixelFormat failed");
    return false;
  }
  note_viewport_limit();
  picture_scale_ = surface->picture_scale();
  const DrawingScale scale(picture_scale_);

  glyph_base_ = gen_lists(profile_.glyph_count);
  compile_glyph_lists(glyph_base_, profile_.glyph_count, picture_scale_);

  const Rgba& clear = profile_.initial_clear_colour;
  glClearColor(clear.r, clear.g, clear.b, clear.a);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
  glEnable(GL_LIGHT0);
  const GLfloat light_position[] = {10.0f, 10.0f, 10.0f, 0.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, light_position);

  aspect_ = 1.0;
  near_ = 0.5;
  far_ = 200.0;
  m_fieldOfView = profile_.field_of_view;

  if (!load_exchange_data()) return false;
  if (profile_.has_markers || wants_marker_shapes()) InitializeForms();
  DrawWorld();
  return true;
}

void Renderer::glPrint(const std::string& s) {
  if (s.empty()) return;
  const std::string codes = glyph_codes(profile_.glyph_count, s);
  if (vector_page_open()) {
    // The page gets the characters the glyph lists draw.
    const GlyphSet& glyphs = process_glyphs(picture_scale_);
    std::string drawn;
    for (const char c : codes)
      if (glyphs.glyph(static_cast<uint8_t>(c)).present) drawn += c;
    if (!drawn.empty()) add_page_text(drawn, kGlyphEmPixels * picture_scale_);
  }
  call_glyph_lists(glyph_base_, codes);
}

float Renderer::text_width(const std::string& s) const {
  const GlyphSet& glyphs = process_glyphs(picture_scale_);
  float width = 0;
  for (const char c : glyph_codes(profile_.glyph_count, s))
    width += glyphs.glyph(static_cast<uint8_t>(c)).advance;
  return width;
}

void Renderer::set_clear_colour_from_code() {
  switch (colorf) {
    case 0:
      glClearColor(1, 1, 1, 1);
      break;
    case 1:
      glClearColor(0, 0, 0, 1);
      break;
    case 2:
      glClearColor(5, 0, 0, 1);
      break;
    case 3:
      glClearColor(0, 5, 0, 1);
      break;
    case 4:
      glClearColor(0, 0, 2, 1);
      break;
    case 5:
      if (profile_.grey_background_code) glClearColor(0.5f, 0.5f, 0.5f, 1);
      break;
    default:
      break;  // the clear colour last set stays
  }
}

void Renderer::display() {
  // Each viewer draws into its own window even when several are open.
  if (!make_current()) return;
  set_clear_colour_from_code();
  if (busy_) return;
  busy_ = true;
  // Cleared on every way out: a frame that throws must not stop every later one.
  struct BusyScope {
    bool& busy;
    ~BusyScope() { busy = false; }
  } const busy_scope{busy_};
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  draw_frame([&] {
    if (world_list_ != 0) glCallList(world_list_);
    if (testing_hooks::reenter_display()) reenter_display_once();
  });
  // A pbuffer's swap waits for nothing: without this wait, frames drawn faster than the
  // driver's threads rasterise them queue up, each holding its memory, as long as a user turns.
  glFinish();
  device_context(hdc_)->swap_buffers();
}

void Renderer::draw_frame(const std::function<void()>& scene) {
  const DrawingScale scale(picture_scale_);
  // Every frame starts from the same state, so a repaint never differs from the first frame.
  set_point_size(1.0f);
  set_line_width(1.0f);
  glColor3f(0, 0, 0);
  const MatrixScope eye_at;
  const Vec3& eye = profile_.eye;
  gluLookAt(eye.x, eye.y, eye.z, 0, 0, 0, 0, 1, 0);
  scene();
}

void Renderer::write_vector(PictureFormat format, std::FILE* stream) {
  if (!make_current()) raise(ErrorNumber::InvalidCall);
  set_clear_colour_from_code();
  // The scene is drawn, not replayed: the page needs the texts' raster positions and the
  // sizes the lists set, which only a drawing shows it.
  const DepthOrder order = profile_.three_d ? DepthOrder::Space : DepthOrder::Plane;
  write_vector_page(format, order, stream, std::string(profile_.caption), [&] {
    draw_frame([&] {
      const MatrixScope world;
      int32_t half_length = profile_.axes_half_length;
      int32_t x = half_length;
      int32_t y = half_length;
      int32_t z = half_length;
      DrawAxes(x, y, z);
    });
  });
}

void Renderer::rescale() {
  if (!make_current()) return;
  DrawingSurface* surface = device_context(hdc_);
  picture_scale_ = surface->picture_scale();
  const DrawingScale scale(picture_scale_);
  compile_glyph_lists(glyph_base_, profile_.glyph_count, picture_scale_);
  recompile_marker_lists(markers_);
  DrawWorld();
}

void Renderer::reenter_display_once() {
  static bool reentering = false;
  if (std::exchange(reentering, true)) return;
  struct Reset {
    ~Reset() { reentering = false; }
  } const reset;
  display();
}

bool Renderer::read_kept_frame(Image& into) {
  DrawingSurface* surface = device_context(hdc_);
  if (surface == nullptr || !surface->keeps_last_frame() || !make_current()) return false;
  surface->read_frame(into);
  return true;
}

void Renderer::OnSize(int32_t W, int32_t H) {
  if (H == 0) H = 1;
  aspect_ = static_cast<double>(W) / static_cast<double>(H);
  if (!make_current()) return;
  glViewport(0, 0, W, H);
  SetViewPort();
}

void Renderer::SetViewPort() {
  if (!make_current()) return;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(m_fieldOfView, aspect_, near_, far_);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void Renderer::DrawWorld() {
  if (!make_current()) return;
  const DrawingScale scale(picture_scale_);
  const GLuint list = gen_lists(1);
  glPushMatrix();
  glNewList(list, GL_COMPILE);
  int32_t half_length = profile_.axes_half_length;
  int32_t x = half_length;
  int32_t y = half_length;
  int32_t z = half_length;
  try {
    DrawAxes(x, y, z);
  } catch (...) {
    // The recording is ended and dropped: the picture shown before stays.
    glEndList();
    glPopMatrix();
    glDeleteLists(list, 1);
    throw;
  }
  glEndList();
  glPopMatrix();
  // Nothing refers to the replaced list any more; a long session must not leak lists.
  if (world_list_ != 0) glDeleteLists(world_list_, 1);
  world_list_ = list;
}

void Renderer::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  (void)x;
  (void)y;
  (void)z;
  glRotatef(xAngle, 1, 0, 0);
  glRotatef(yAngle, 0, 1, 0);
  glRotatef(zAngle, 0, 0, 1);
}

void Renderer::InitializeForms() {
  if (!make_current()) return;
  const DrawingScale scale(picture_scale_);
  markers_ = compile_marker_lists(profile_.dot_point_size, profile_.outlier_mark);
}

void Renderer::Class_Terminate() {
  if (context_ == nullptr) return;  // no GL call: another viewer's context may be current
  context_->release_current();
  context_.reset();
  glyph_base_ = 0;
  world_list_ = 0;
  markers_ = MarkerLists{};
}

}  // namespace plot
