#include "plugins/ternary_family/ternary_frame.h"

#include "core/text/number_text.h"

namespace plot {

void copy_vertex_labels(VertexLabels& labels, const StringArray& coor_temp) {
  for (int32_t i = 1; i <= 3; ++i) labels(i) = coor_temp(i);
}

TernaryFrameScope::TernaryFrameScope() {
  glTranslatef(-0.5f, -0.5f, 0);
  glNormal3f(0, 1, 0);
}

void draw_ternary_outline() {
  glColor3f(0, 0, 0);
  const PrimitiveScope loop(GL_LINE_LOOP);
  glVertex3f(0, 0, 0);
  glVertex3f(0.5f, 0.866f, 0);
  glVertex3f(1, 0, 0);
}

void draw_vertex_labels(Renderer& renderer, const VertexLabels& labels,
                        const VertexLabelPlaces& places) {
  glColor3f(0, 0, 0);
  const Vec3* at[] = {&places.top, &places.left, &places.right};
  for (int32_t i = 1; i <= 3; ++i) {
    const Vec3& p = *at[i - 1];
    glRasterPos3d(p.x, p.y, p.z);
    renderer.glPrint(with_blank(labels(i)));
  }
}

}  // namespace plot
