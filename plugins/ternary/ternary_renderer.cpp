#include "ternary_renderer.h"

#include "core/render/gl_scope.h"
#include "core/render/group_legend.h"
#include "core/text/number_text.h"
#include "plugins/ternary_family/observations.h"
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
  draw_observations(records_.points, formes, markers());
  if (formes)
    draw_group_legend(*this, kTernaryLegend, LegendSample::MarkerShape, nGrups, nomsGrups);
  else if (nGrups != 0)
    draw_group_legend(*this, kTernaryLegend, LegendSample::ColourDot, nGrups, nomsGrups);
}

}  // namespace plot
