#include "plugins/logratio_family/logratio_scene.h"

#include <GL/gl.h>

#include "core/render/gl_scope.h"
#include "core/text/number_text.h"

namespace plot {
namespace {

constexpr float kPointSize = 5.0f;
// In front of the axes of the plane, which lie at z = 0.
constexpr float kCentreFront = 0.001f;

void draw_axes(const Rgb& third, int32_t x, int32_t y, int32_t z) {
  // The host may pass any 32-bit value: negated as floats, -2147483648 has a negative.
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  const float fz = static_cast<float>(z);
  const MatrixScope axes;
  glNormal3f(0, 1, 0);
  const PrimitiveScope lines(GL_LINES);
  glColor3f(0, 0, 0);
  glVertex3f(-fx, 0, 0);
  glVertex3f(fx, 0, 0);
  glColor3f(0, 0, 0);
  glVertex3f(0, -fy, 0);
  glVertex3f(0, fy, 0);
  glColor3f(third.r, third.g, third.b);
  glVertex3f(0, 0, -fz);
  glVertex3f(0, 0, fz);
}

void draw_names(Renderer& renderer, std::span<const std::string> names, int32_t x, int32_t y,
                int32_t z) {
  glColor3f(0, 0, 0);
  glRasterPos3f(static_cast<float>(x + 0.01), -0.03f, 0);
  renderer.glPrint(with_blank(names[0]));
  glRasterPos3f(-0.15f, static_cast<float>(y + 0.05), 0);
  renderer.glPrint(with_blank(names[1]));
  if (names.size() < 3) return;
  glRasterPos3f(0, 0, static_cast<float>(z));
  renderer.glPrint(with_blank(names[2]));
}

}  // namespace

void draw_logratio_scene(Renderer& renderer, const LogRatioScene& scene, int32_t x, int32_t y,
                         int32_t z) {
  const MatrixScope plot;
  draw_axes(scene.third_axis, x, y, z);
  draw_names(renderer, scene.names, x, y, z);

  if (scene.marks == ObservationMarks::GroupShapes) {
    draw_point_markers(renderer.markers(), scene.count, scene.observation);
    draw_group_legend(renderer, scene.legend, LegendSample::MarkerShape, scene.groups,
                      scene.group_names);
    // The marker lists leave no point size of their own unless shape 3 was drawn: the
    // centre mark is set to the dots' size so it looks the same in both modes.
    set_point_size(kPointSize);
  } else {
    draw_point_dots(scene.count, kPointSize, scene.dot_front, scene.observation);
    draw_group_legend(renderer, scene.legend, LegendSample::ColourDot, scene.groups,
                      scene.group_names);
  }

  glColor3f(0, 0, 1);
  const PrimitiveScope centre(GL_POINTS);
  glVertex3f(static_cast<float>(scene.centre_x), static_cast<float>(scene.centre_y), kCentreFront);
}

}  // namespace plot
