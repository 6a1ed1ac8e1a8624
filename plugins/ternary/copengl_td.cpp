#include "copengl_td.h"

#include "core/render/gl_scope.h"
#include "core/render/group_legend.h"
#include "core/text/number_text.h"

namespace plot {

void COpenGL_TD::Passar_Punts(Vector_Punts& VPtemp, Vector_Graella& VPtemp2,
                              Vector_Punts_PC& VPCtemp, StringArray& coor_temp) {
  VP_ = VPtemp;
  VG_ = VPtemp2;
  VPC_ = VPCtemp;
  for (int32_t i = 1; i <= 3; ++i) coor_(i) = coor_temp(i);
}

COpenGL_TD::Background COpenGL_TD::background() const {
  // Exact comparisons: "PC" or "error" fall through to the grid.
  if (graella == "Error") return Background::Nothing;
  if (graella == "pc") return Background::Components;
  return Background::Grid;
}

void COpenGL_TD::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  const MatrixScope frame;
  // The centre (0.5, 0.5) of the frame on the camera's axis.
  glTranslatef(-0.5f, -0.5f, 0);
  glNormal3f(0, 1, 0);
  draw_outline();
  draw_vertex_labels();
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

void COpenGL_TD::draw_outline() {
  glColor3f(0, 0, 0);
  const PrimitiveScope loop(GL_LINE_LOOP);
  glVertex3f(0, 0, 0);
  glVertex3f(0.5f, 0.866f, 0);
  glVertex3f(1, 0, 0);
}

void COpenGL_TD::draw_vertex_labels() {
  glColor3f(0, 0, 0);
  glRasterPos3f(0.45f, 0.89f, 0);
  glPrint(with_blank(coor_(1)));
  glRasterPos3f(-0.15f, -0.02f, 0);
  glPrint(with_blank(coor_(2)));
  glRasterPos3f(1.01f, -0.02f, 0);
  glPrint(with_blank(coor_(3)));
}

void COpenGL_TD::draw_marker_points() {
  // 32-bit counts: a count of -32768 draws nothing rather than overflowing.
  const int32_t count = VP_.long_;
  for (int32_t i = 0; i < count; ++i) {
    const Punt& p = element(VP_.Punts, i);
    const MatrixScope at_point;
    glColor3f(0, 0, 0);
    glTranslated(p.X, p.Y, 0);
    call_marker(markers(), p.forma);
  }
  draw_group_legend(*this, {{1, 1, 0}, 0.05, 0.05, 0.01, true}, LegendSample::MarkerShape, nGrups);
}

void COpenGL_TD::draw_colour_points() {
  glPointSize(5);
  {
    const PrimitiveScope dots(GL_POINTS);
    const int32_t count = VP_.long_;
    for (int32_t i = 0; i < count; ++i) {
      const Punt& p = element(VP_.Punts, i);
      glColor3f(p.Color[0], p.Color[1], p.Color[2]);
      glVertex3d(p.X, p.Y, 0.001);
    }
  }
  if (nGrups != 0)
    draw_group_legend(*this, {{1, 1, 0}, 0.05, 0.05, 0.01, true}, LegendSample::ColourDot, nGrups);
}

}  // namespace plot
