#pragma once

#include <GL/gl.h>

#include <cstdint>

#include "core/render/gl_scope.h"
#include "core/render/marker_shapes.h"

namespace plot {

// One plotted point as the drawing needs it, whatever the plug-in's record spells.
struct PointMark {
  double x;
  double y;
  const float* colour;  // red, green, blue
  int16_t forma;
  double z = 0;  // the plane plots leave it at 0
};

// Points 0 to count - 1, each the black marker of its shape (nothing outside 1 to 10).
// `point(i)` gives point i; it checks the index against its record.
template <typename PointAt>
void draw_point_markers(const MarkerLists& markers, int32_t count, PointAt&& point) {
  for (int32_t i = 0; i < count; ++i) {
    const PointMark p = point(i);
    const MatrixScope at_point;
    glColor3f(0, 0, 0);
    glTranslatef(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
    call_marker(markers, p.forma);
  }
}

// Points 0 to count - 1 as dots of `size` pixels in their own colours, moved `front` along z
// (the plane plots put them in front of lines drawn at 0).
template <typename PointAt>
void draw_point_dots(int32_t count, float size, float front, PointAt&& point) {
  set_point_size(size);
  const PrimitiveScope dots(GL_POINTS);
  for (int32_t i = 0; i < count; ++i) {
    const PointMark p = point(i);
    glColor3f(p.colour[0], p.colour[1], p.colour[2]);
    glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z) + front);
  }
}

}  // namespace plot
