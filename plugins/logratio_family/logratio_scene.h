#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "core/com/string_array.h"
#include "core/errors/fixed_array.h"
#include "core/render/group_legend.h"
#include "core/render/point_marks.h"
#include "core/render/renderer.h"

namespace plot {

// The names Passar_Punts keeps: coor(1), then coor(2); a host array without either raises
// "Subscript out of range".
using CoordinateNames = FixedArray<std::string, 1, 2>;
void keep_coordinate_names(CoordinateNames& names, const StringArray& coor);

enum class ObservationMarks {
  Dots,         // one point each, in the colour the observation gives
  GroupShapes,  // the black marker shape of the observation's group
};

// What the 2D and the 3D log-ratio plots differ in; everything else they draw alike.
struct LogRatioScene {
  Rgb third_axis;                      // black in the plane, red in space
  std::span<const std::string> names;  // of the first two axes, or of all three
  ObservationMarks marks;
  int32_t count;    // observations 0 to count - 1
  float dot_front;  // dots moved along z, so that the plane's dots lie in front of its axes
  std::function<PointMark(int32_t)> observation;
  double centre_x;
  double centre_y;
};

// DrawAxes after the rotations, for half-axes x, y and z: the axes, their names, the
// observations with the legend of `renderer.nGrups` groups, and the blue centre mark.
void draw_logratio_scene(Renderer& renderer, const LogRatioScene& scene, int32_t x, int32_t y,
                         int32_t z);

}  // namespace plot
