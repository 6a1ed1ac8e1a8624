#pragma once

#include <GL/gl.h>

#include <array>

namespace plot {

inline constexpr int kMarkerShapeCount = 10;

// The marker symbols of one renderer: shapes 1 to 10 and, in the biplots, the outlier mark.
// Each is drawn around the origin in the plane z = 0, in the current colour.
struct MarkerLists {
  std::array<GLuint, kMarkerShapeCount> shapes{};
  GLuint outlier_mark = 0;
  float dot_point_size = 0;  // shape 3's, in pixels of the scale-1 picture
  bool made = false;
};

// Compiles the shapes one list at a time, in shape order, then the outlier mark if asked.
// In a fresh context right after N glyph lists, shape k is list N + k and the mark N + 11.
// Shape 3's point size is for the drawing scale in force.
MarkerLists compile_marker_lists(float dot_point_size, bool with_outlier_mark);

// Records the same lists anew, under the same numbers, for the drawing scale in force.
void recompile_marker_lists(const MarkerLists& markers);

// Calls shape 1 to 10; any other shape, or lists never made, draws nothing. Points and the
// legends' samples both come here, so they always name the same lists.
void call_marker(const MarkerLists& markers, int shape);

// Calls the outlier mark; nothing when this renderer has none.
void call_outlier_mark(const MarkerLists& markers);

}  // namespace plot
