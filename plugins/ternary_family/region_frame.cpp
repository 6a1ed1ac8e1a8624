#include "plugins/ternary_family/region_frame.h"

#include "core/render/picture_scale.h"

namespace plot {

void draw_region_frame(Renderer& renderer, const VertexLabels& labels) {
  draw_ternary_outline();
  draw_vertex_labels(renderer, labels, kRegionLabelPlaces);
}

void draw_region_caption(Renderer& renderer, const std::string& caption) {
  glRasterPos3f(-0.1f, -0.15f, 0);
  renderer.glPrint(caption);
}

void draw_region_colour_legend(Renderer& renderer, int16_t groups, const StringArray& names) {
  if (groups < 2) return;
  set_point_size(5);
  draw_group_legend(renderer, kTernaryLegend, LegendSample::ColourDot, groups, names);
}

}  // namespace plot
