#include "plugins/ternary_family/region_frame.h"

namespace plot {

void draw_region_frame(Renderer& renderer, const VertexLabels& labels) {
  draw_ternary_outline();
  draw_vertex_labels(renderer, labels, kRegionLabelPlaces);
}

void draw_region_caption(Renderer& renderer, const std::string& caption) {
  glRasterPos3f(-0.1f, -0.15f, 0);
  renderer.glPrint(caption);
}

}  // namespace plot
