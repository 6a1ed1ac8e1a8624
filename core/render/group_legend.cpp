#include "core/render/group_legend.h"

#include <string>

#include "core/render/gl_scope.h"
#include "core/render/group_names.h"
#include "core/text/text_output.h"

namespace plot {

const GroupColourTable& group_colour_table() {
  static const GroupColourTable table = [] {
    GroupColourTable t;
    t(0) = {0, 0, 0};
    t(1) = {0, 0, 0};
    t(2) = {1, 0, 0};
    t(3) = {0, 1, 0};
    t(4) = {0, 0, 1};
    t(5) = {1, 1, 0};
    t(6) = {0, 1, 1};
    t(7) = {1, 0, 1};
    t(8) = {0.5f, 0, 0.5f};
    t(9) = {1, 0.5f, 0};
    t(10) = {0.5f, 0.5f, 0.5f};
    return t;
  }();
  return table;
}

void draw_group_legend(Renderer& renderer, const LegendLayout& layout, LegendSample sample,
                       int16_t groups, const StringArray& names) {
  const GroupColourTable& colours = group_colour_table();
  const MatrixScope legend;
  glTranslated(layout.origin.x, layout.origin.y, layout.origin.z);
  // A 32-bit counter: a legend of 32767 groups must not overflow on its last step.
  for (int32_t g = 1; g <= groups; ++g) {
    if (layout.raster_at_sample) glRasterPos3f(0, 0, 0);
    if (sample == LegendSample::MarkerShape) {
      call_marker(renderer.markers(), g);
    } else {
      const Rgb& c = colours(g);
      glColor3f(c.r, c.g, c.b);
      {
        const PrimitiveScope dot(GL_POINTS);
        glVertex3f(0, 0, 0);
      }
      glColor3f(0, 0, 0);
    }
    glRasterPos3d(layout.text_dx, -layout.text_dy, 0);
    const std::string text = group_legend_text(names, g);
    renderer.glPrint(names.empty() ? text
                                   : drawable_text(text, renderer.profile().glyph_count,
                                                   process_glyphs(renderer.picture_scale())));
    glTranslated(0, -layout.row_step, 0);
  }
}

}  // namespace plot
