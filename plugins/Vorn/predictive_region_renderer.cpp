#include "predictive_region_renderer.h"

#include "core/render/gl_scope.h"
#include "core/text/number_text.h"
#include "plugins/ternary_family/region_frame.h"

namespace plot {

std::string predictive_caption(const Vector_VORN& regions) {
  // Only the regions drawn: a level left over in an unused entry would name a region that is
  // not there. More than three regions is "Subscript out of range", as the drawing says.
  std::string levels;
  for (int32_t k = 1; k <= regions.nNivells; ++k)
    levels += (k > 1 ? "   " : "") + single_text(element(regions.VPVORN, k).alpha);
  return "VORN Predictive Region. Alpha =  " + levels + " ";
}

void COpenGL_VORN::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  const TernaryFrameScope frame;
  draw_region_frame(*this, records_.coor);
  draw_region_caption(*this, predictive_caption(records_.regions));
  draw_regions();
  records_.observations.draw(formes, markers());
  draw_region_colour_legend(*this, nGrups, nomsGrups);
}

bool COpenGL_VORN::wants_marker_shapes() const {
  // Only then: the lists of a plot without them would renumber its world list for nothing.
  return formes && records_.observations.points() != nullptr;
}

void COpenGL_VORN::draw_regions() {
  glColor3f(0, 0, 0);
  const Vector_VORN& regions = records_.regions;
  const PrimitiveScope segments(GL_LINES);
  for (int32_t k = 1; k <= regions.nNivells; ++k) {
    const Vector_Punts_VORN& region = element(regions.VPVORN, k);
    polyline_segments(region.Punts1, region.long1);
    polyline_segments(region.Punts2, region.long2);
    // The joins close the curve; they need a point on each branch, so an empty or overlong
    // branch raises here.
    frame_vertex(element(region.Punts1, 0));
    frame_vertex(element(region.Punts2, 0));
    frame_vertex(element(region.Punts1, int32_t{region.long1} - 1));
    frame_vertex(element(region.Punts2, int32_t{region.long2} - 1));
  }
}

}  // namespace plot
