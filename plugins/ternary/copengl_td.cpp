#include "copengl_td.h"

#include "core/render/gl_scope.h"
#include "core/render/group_legend.h"
#include "core/render/point_marks.h"
#include "core/text/number_text.h"

namespace plot {
namespace {

// Rows 0.05 apart down from (1, 1), the raster at each sample first.
constexpr LegendLayout kLegend{{1, 1, 0}, 0.05, 0.05, 0.01, true};

}  // namespace

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

PointMark COpenGL_TD::point(int32_t i) const {
  const Punt& p = element(VP_.Punts, i);
  return {p.X, p.Y, p.Color, p.forma};
}

void COpenGL_TD::draw_marker_points() {
  // 32-bit counts: a count of -32768 draws nothing rather than overflowing.
  draw_point_markers(markers(), VP_.long_, [this](int32_t i) { return point(i); });
  draw_group_legend(*this, kLegend, LegendSample::MarkerShape, nGrups);
}

void COpenGL_TD::draw_colour_points() {
  draw_point_dots(VP_.long_, 5, 0.001f, [this](int32_t i) { return point(i); });
  if (nGrups != 0) draw_group_legend(*this, kLegend, LegendSample::ColourDot, nGrups);
}

}  // namespace plot
