// What the ternary diagram draws behind its points: the principal components or the grid.
#include "core/render/gl_scope.h"
#include "core/text/number_text.h"
#include "plugins/ternary_family/ternary_frame.h"
#include "ternary_renderer.h"
#include "ternary_texts.h"

namespace plot {

void COpenGL_TD::draw_components() {
  const Vector_Punts_PC& components = records_.components;
  glRasterPos3f(-0.4f, 1.1f, 0);
  glPrint("Cumulative proportion explained: ");
  glRasterPos3f(-0.3f, 1.045f, 0);
  glPrint(with_blank(single_text(components.cpe[0])));
  glRasterPos3f(-0.3f, 1.0f, 0);
  glPrint(with_blank(single_text(components.cpe[1])));
  glRasterPos3f(-0.4f, 0.9f, 0);
  glPrint("Principal components ");
  glRasterPos3f(-0.3f, 0.845f, 0);
  glPrint(coefficient_row(components.pc, 0));
  glRasterPos3f(-0.3f, 0.8f, 0);
  glPrint(coefficient_row(components.pc, 3));

  glColor3f(1, 0, 0);
  {
    const PrimitiveScope first(GL_LINES);
    glVertex3f(-0.4f, 1.06f, 0);
    glVertex3f(-0.32f, 1.06f, 0);
    glVertex3f(-0.4f, 0.86f, 0);
    glVertex3f(-0.32f, 0.86f, 0);
    polyline_segments(components.Punts1, components.long1);
  }
  glColor3f(0, 0, 1);
  const DashScope dashed;
  const PrimitiveScope second(GL_LINES);
  glVertex3f(-0.4f, 1.01f, 0);
  glVertex3f(-0.32f, 1.01f, 0);
  glVertex3f(-0.4f, 0.81f, 0);
  glVertex3f(-0.32f, 0.81f, 0);
  polyline_segments(components.Punts2, components.long2);
}

void COpenGL_TD::draw_grid() {
  const Vector_Graella& grid = records_.grid;
  const Vector_Punts_Graella& f1 = element(grid.VPG, 1);
  const Vector_Punts_Graella& f2 = element(grid.VPG, 2);
  const Vector_Punts_Graella& f3 = element(grid.VPG, 3);
  const int32_t lines = grid.nPuntsGrid;
  glColor3f(1, 0, 0);
  {
    const DashScope dashed;
    const PrimitiveScope segments(GL_LINES);
    // Family k's first ends meet family k + 1's second ends; 3 closes on 1.
    for (int32_t i = 1; i <= lines; ++i) {
      frame_vertex(element(f1.Punts1, i));
      frame_vertex(element(f2.Punts2, i));
      frame_vertex(element(f3.Punts1, i));
      frame_vertex(element(f1.Punts2, i));
      frame_vertex(element(f2.Punts1, i));
      frame_vertex(element(f3.Punts2, i));
    }
  }
  glColor3f(0, 0, 0);
  // Only the first family is labelled, its X read as a percentage.
  for (int32_t i = 1; i <= lines; ++i) {
    const Punt& end = element(f1.Punts1, i);
    glRasterPos3d(end.X - 0.02, end.Y - 0.05, 0.001);
    glPrint(grid_label(end.X));
  }
}

}  // namespace plot
