#include "ternary_renderer.h"

#include "core/render/gl_scope.h"
#include "core/render/group_legend.h"
#include "core/render/point_marks.h"
#include "core/text/number_text.h"
#include "plugins/ternary_family/ternary_frame.h"

namespace plot {

COpenGL_TD::Background COpenGL_TD::background() const {
  // Exact comparisons: "PC" or "error" fall through to the grid.
  if (graella == "Error") return Background::Nothing;
  if (graella == "pc") return Background::Components;
  return Background::Grid;
}

void COpenGL_TD::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  const TernaryFrameScope frame;
  draw_ternary_outline();
  draw_vertex_labels(*this, records_.coor, kTernaryLabelPlaces);
  switch (background()) {
    case Background::Nothing:
      break;
    case Background::Components:
      draw_components();
      break;
    case Background::Grid:
      draw_grid();
      break;
  }
  if (formes)
    draw_marker_points();
  else
    draw_colour_points();
}

PointMark COpenGL_TD::point(int32_t i) const {
  const Punt& p = element(records_.points.Punts, i);
  return {p.X, p.Y, p.Color, p.forma};
}

void COpenGL_TD::draw_marker_points() {
  // 32-bit counts: a count of -32768 draws nothing rather than overflowing.
  draw_point_markers(markers(), records_.points.long_, [this](int32_t i) { return point(i); });
  draw_group_legend(*this, kTernaryLegend, LegendSample::MarkerShape, nGrups, nomsGrups);
}

void COpenGL_TD::draw_colour_points() {
  draw_point_dots(records_.points.long_, 5, 0.001f, [this](int32_t i) { return point(i); });
  if (nGrups != 0)
    draw_group_legend(*this, kTernaryLegend, LegendSample::ColourDot, nGrups, nomsGrups);
}

}  // namespace plot
