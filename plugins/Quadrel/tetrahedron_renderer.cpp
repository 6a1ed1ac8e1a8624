#include "tetrahedron_renderer.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

#include "core/errors/runtime_error.h"
#include "core/render/gl_scope.h"
#include "core/render/group_legend.h"
#include "tetrahedron_corners.h"
#include "tetrahedron_frame.h"

namespace plot {
namespace {

struct Edge {
  Vertex from, to;
};
constexpr std::array<Edge, 6> kEdges = {{{.from = kA, .to = kD},
                                         {.from = kD, .to = kB},
                                         {.from = kA, .to = kB},
                                         {.from = kB, .to = kC},
                                         {.from = kC, .to = kA},
                                         {.from = kC, .to = kD}}};

void draw_edges() {
  glColor3f(0, 0, 0);
  const PrimitiveScope lines(GL_LINES);
  for (const Edge& e : kEdges) {
    glVertex3f(e.from.x, e.from.y, e.from.z);
    glVertex3f(e.to.x, e.to.y, e.to.z);
  }
}

// The shape whose number the group equals exactly; 0 (no marker) for 2.5 or 11.
int16_t marker_shape(double group) {
  for (int16_t n = 1; n <= kMarkerShapeCount; ++n)
    if (group == n) return n;
  return 0;
}

// The group colour table as the dots take it, built at the start of each drawing.
class DotColours {
 public:
  DotColours() {
    const GroupColourTable& table = group_colour_table();
    for (int32_t k = GroupColourTable::lower; k <= GroupColourTable::upper; ++k)
      rgb_(k) = {table(k).r, table(k).g, table(k).b};
  }

  // Entry k for the group rounded half to even; outside 0 to 10, "Subscript out of range".
  const float* of(double group) const {
    const double k = std::nearbyint(group);
    if (!(k >= GroupColourTable::lower && k <= GroupColourTable::upper))
      raise(ErrorNumber::SubscriptOutOfRange);
    return rgb_(static_cast<int32_t>(k)).data();
  }

 private:
  FixedArray<std::array<float, 3>, GroupColourTable::lower, GroupColourTable::upper> rgb_;
};

}  // namespace

void COpenGL_TD_3D::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  const TernaryFrameScope frame;
  draw_edges();
  if (fourth_name_)
    draw_corner_names(*this, {records_.coor(1), records_.coor(2), records_.coor(3), *fourth_name_});
  else
    draw_vertex_labels(*this, records_.coor, kTernaryLabelPlaces);
  // The points keep their own depth: nothing is lifted in front of the edges.
  if (display_mode_ == kMarkerMode) {
    draw_point_markers(markers(), count_, [this](int32_t r) {
      const TetrahedronPoint& p = record(r);
      return PointMark{
          .x = p.x, .y = p.y, .colour = nullptr, .forma = marker_shape(p.group), .z = p.z};
    });
    draw_group_legend(*this, kTernaryLegend, LegendSample::MarkerShape, nGrups, nomsGrups);
  } else {
    const DotColours colours;
    draw_point_dots(count_, 5, 0, [&](int32_t r) {
      const TetrahedronPoint& p = record(r);
      return PointMark{.x = p.x, .y = p.y, .colour = colours.of(p.group), .forma = 0, .z = p.z};
    });
    if (nGrups != 0)
      draw_group_legend(*this, kTernaryLegend, LegendSample::ColourDot, nGrups, nomsGrups);
  }
}

}  // namespace plot
