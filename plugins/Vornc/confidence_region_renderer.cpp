#include "confidence_region_renderer.h"

#include "core/render/gl_scope.h"
#include "core/render/group_legend.h"
#include "core/render/point_marks.h"
#include "plugins/ternary_family/region_frame.h"

namespace plot {
namespace {

constexpr int32_t kCurvePoints = PLOT_VORNC_CURVE_POINTS;

}  // namespace

std::string confidence_caption(const std::string& alpha) {
  return "VORN Confidence Region. Alpha =  " + alpha + " ";
}

void COpenGL_VORN_C::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  const TernaryFrameScope frame;
  draw_region_frame(*this, records_.coor);
  draw_region_caption(*this, confidence_caption(records_.alpha));
  draw_curves();
  if (formes)
    draw_marker_centres();
  else
    draw_dot_centres();
  records_.observations.draw(formes, markers());
}

const Punt& COpenGL_VORN_C::centre(int32_t group) {
  return element<1>(records_.groups.Pgrups, group).Geom;
}

void COpenGL_VORN_C::draw_curves() {
  const GroupColourTable& colours = group_colour_table();
  glColor3f(0, 0, 0);
  for (int32_t g = 1; g <= nGrups; ++g) {
    if (corbesColor) {
      const Rgb& c = colours(g);
      glColor3f(c.r, c.g, c.b);
    }
    const Punt(&curve)[kCurvePoints] = element<1>(records_.groups.Pgrups, g).Punts;
    const PrimitiveScope segments(GL_LINES);
    polyline_segments(curve, kCurvePoints);
    // Closed whatever the host's last point is.
    frame_vertex(curve[0]);
    frame_vertex(curve[kCurvePoints - 1]);
  }
}

void COpenGL_VORN_C::draw_marker_centres() {
  // Shape and legend by group number, not by the centre's own forma.
  draw_point_markers(markers(), nGrups, [this](int32_t i) {
    const Punt& c = centre(i + 1);
    return PointMark{c.X, c.Y, nullptr, static_cast<int16_t>(i + 1)};
  });
  draw_group_legend(*this, kTernaryLegend, LegendSample::MarkerShape, nGrups, nomsGrups);
}

void COpenGL_VORN_C::draw_dot_centres() {
  const GroupColourTable& colours = group_colour_table();
  set_point_size(5);
  {
    const PrimitiveScope dots(GL_POINTS);
    for (int32_t g = 1; g <= nGrups; ++g) {
      const Rgb& c = colours(g);
      glColor3f(c.r, c.g, c.b);
      frame_vertex(centre(g));
    }
  }
  glColor3f(0, 0, 0);
  draw_region_colour_legend(*this, nGrups, nomsGrups);
}

}  // namespace plot
