#include "copengl_alr.h"

#include <GL/gl.h>

#include "core/errors/checked_int16.h"
#include "core/render/gl_scope.h"
#include "core/render/group_legend.h"
#include "core/render/point_marks.h"
#include "core/text/number_text.h"

namespace plot {
namespace {

constexpr float kPointSize = 5.0f;
// In front of the axes, which lie in the plane z = 0.
constexpr float kFront = 0.001f;

constexpr LegendLayout kLegend{{1.2, 1.0, 0.0}, 0.08, 0.05, 0.02, false};

// The observations drawn: 0 to `long` - 1, that bound taken in 16 bits, so the smallest
// count overflows.
int32_t observation_count(const pellin::Vector_Punts_arl& record) {
  return int32_t{sub16(record.long_, 1)} + 1;
}

}  // namespace

void COpenGL_alr::Passar_Punts(pellin::Vector_Punts_arl& VPtemp, StringArray& coor_temp) {
  observations_ = VPtemp;
  names_(1) = coor_temp(1);
  names_(2) = coor_temp(2);
}

void COpenGL_alr::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  // The host may pass any 32-bit value: negated as floats, -2147483648 has a negative.
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  const float fz = static_cast<float>(z);
  const MatrixScope plot;
  {
    const MatrixScope axes;
    glNormal3f(0, 1, 0);
    const PrimitiveScope lines(GL_LINES);
    glColor3f(0, 0, 0);
    glVertex3f(-fx, 0, 0);
    glVertex3f(fx, 0, 0);
    glColor3f(0, 0, 0);
    glVertex3f(0, -fy, 0);
    glVertex3f(0, fy, 0);
    glColor3f(0, 0, 0);
    glVertex3f(0, 0, -fz);
    glVertex3f(0, 0, fz);
  }

  glColor3f(0, 0, 0);
  glRasterPos3f(static_cast<float>(x + 0.01), -0.03f, 0);
  glPrint(with_blank(names_(1)));
  glRasterPos3f(-0.15f, static_cast<float>(y + 0.05), 0);
  glPrint(with_blank(names_(2)));

  if (formes) {
    draw_point_markers(markers(), observation_count(observations_),
                       [this](int32_t i) { return observation(i); });
    draw_group_legend(*this, kLegend, LegendSample::MarkerShape, nGrups);
    // The marker lists leave no point size of their own unless shape 3 was drawn: the
    // centre mark is set to the dots' size so it looks the same in both modes.
    glPointSize(kPointSize);
  } else {
    draw_point_dots(observation_count(observations_), kPointSize, kFront,
                    [this](int32_t i) { return observation(i); });
    draw_group_legend(*this, kLegend, LegendSample::ColourDot, nGrups);
  }

  glColor3f(0, 0, 1);
  const PrimitiveScope centre(GL_POINTS);
  glVertex3f(static_cast<float>(centreX), static_cast<float>(centreY), kFront);
}

PointMark COpenGL_alr::observation(int32_t i) const {
  const pellin::Punt& p = element(observations_.Punts, i);
  return {p.x, p.y, p.color.color, p.forma};
}

}  // namespace plot
