#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/com/string_array.h"
#include "core/errors/fixed_array.h"
#include "core/render/gl_scope.h"
#include "core/render/group_legend.h"
#include "core/render/renderer.h"
#include "plot_punt.h"

namespace plot {

// The names of the three vertices, coor(1) to coor(3).
using VertexLabels = FixedArray<std::string, 1, 3>;

// Copies coor_temp(1) to (3); a missing element is "Subscript out of range".
void copy_vertex_labels(VertexLabels& labels, const StringArray& coor_temp);

// Raster positions of the names: over the top vertex, beside (0, 0), beside (1, 0).
struct VertexLabelPlaces {
  Vec3 top;
  Vec3 left;
  Vec3 right;
};

// Where the ternary diagram puts the names; the tetrahedron puts its own there too.
inline constexpr VertexLabelPlaces kTernaryLabelPlaces{
    .top = {0.45, 0.89, 0}, .left = {-0.15, -0.02, 0}, .right = {1.01, -0.02, 0}};

// The frame of the plots on the triangle (0, 0), (0.5, 0.866), (1, 0): the model matrix pushed
// for the scope's life and shifted so the frame's (0.5, 0.5) lies on the camera's axis.
class TernaryFrameScope {
 public:
  TernaryFrameScope();

 private:
  MatrixScope matrix_;
};

// The group legend of the plots on the triangle: rows 0.05 apart down from (1, 1), above and
// right of the top vertex, the raster at each sample first.
inline constexpr LegendLayout kTernaryLegend{{1, 1, 0}, 0.05, 0.05, 0.01, true};

// The triangle as a black closed loop at z = 0 (0.866 as written, not the square root).
void draw_ternary_outline();

// The three names in black, each followed by one blank.
void draw_vertex_labels(Renderer& renderer, const VertexLabels& labels,
                        const VertexLabelPlaces& places);

// A data vertex, in front of the outline and labels at z = 0.
inline void frame_vertex(const Punt& p) {
  glVertex3d(p.X, p.Y, 0.001);
}

// Inside glBegin(GL_LINES): segments from point i to i + 1 of the first `count` points, an
// open polyline; nothing for fewer than two. An index beyond the array raises.
template <std::size_t N>
void polyline_segments(const Punt (&points)[N], int32_t count) {
  for (int32_t i = 0; i <= count - 2; ++i) {
    frame_vertex(element(points, i));
    frame_vertex(element(points, i + 1));
  }
}

}  // namespace plot
