#pragma once

#include <GL/gl.h>

#include "core/render/picture_scale.h"

namespace plot {

// Pushes the model-view matrix for the scope's lifetime, so that a run-time error raised while
// drawing (an index beyond a record's array) leaves the matrix stack as it found it.
class MatrixScope {
 public:
  MatrixScope() { glPushMatrix(); }
  ~MatrixScope() { glPopMatrix(); }
  MatrixScope(const MatrixScope&) = delete;
  MatrixScope& operator=(const MatrixScope&) = delete;
};

// One glBegin / glEnd pair; an error between them still closes the primitive.
class PrimitiveScope {
 public:
  explicit PrimitiveScope(GLenum mode) { glBegin(mode); }
  ~PrimitiveScope() { glEnd(); }
  PrimitiveScope(const PrimitiveScope&) = delete;
  PrimitiveScope& operator=(const PrimitiveScope&) = delete;
};

// Dashed lines (three pixels off, thirteen on, at picture scale 1) while the scope lives.
class DashScope {
 public:
  static constexpr GLushort kPattern = 0xFFF8;
  DashScope() { begin_line_stipple(kPattern); }
  ~DashScope() { end_line_stipple(); }
  DashScope(const DashScope&) = delete;
  DashScope& operator=(const DashScope&) = delete;
};

}  // namespace plot
