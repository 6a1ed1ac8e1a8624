#include "core/render/picture_scale.h"

#include "core/render/vector_page.h"

namespace plot {
namespace {
int g_scale = 1;
}  // namespace

int drawing_scale() {
  return g_scale;
}

DrawingScale::DrawingScale(int scale) : previous_(g_scale) {
  g_scale = scale;
}

DrawingScale::~DrawingScale() {
  g_scale = previous_;
}

void set_point_size(float pixels) {
  const float size = pixels * static_cast<float>(g_scale);
  glPointSize(size);
  // Feedback carries no point size: the page is told.
  note_point_size(size);
}

void set_line_width(float pixels) {
  const float width = pixels * static_cast<float>(g_scale);
  glLineWidth(width);
  note_line_width(width);
}

void begin_line_stipple(GLushort pattern) {
  glLineStipple(g_scale, pattern);
  glEnable(GL_LINE_STIPPLE);
  note_line_stipple(g_scale, pattern);
}

void end_line_stipple() {
  glDisable(GL_LINE_STIPPLE);
  note_solid_lines();
}

}  // namespace plot
