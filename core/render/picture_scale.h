#pragma once

#include <GL/gl.h>

namespace plot {

// A picture drawn at scale s has s times the pixels each way: its points, lines, stipples and
// glyphs are s times as large, so it is the scale-1 picture at a higher resolution.
inline constexpr int kSmallestPictureScale = 1;
inline constexpr int kLargestPictureScale = 4;

// The scale of what is being drawn or compiled now (1 outside any DrawingScale).
int drawing_scale();

// Sets the scale the drawing inside its lifetime uses.
class DrawingScale {
 public:
  explicit DrawingScale(int scale);
  ~DrawingScale();
  DrawingScale(const DrawingScale&) = delete;
  DrawingScale& operator=(const DrawingScale&) = delete;

 private:
  int previous_;
};

// Point size and line width in pixels of the scale-1 picture; a vector page records them too.
void set_point_size(float pixels);
void set_line_width(float pixels);

// Stippled lines with `pattern`, one bit a scale-1 pixel, until end_line_stipple.
void begin_line_stipple(GLushort pattern);
void end_line_stipple();

}  // namespace plot
