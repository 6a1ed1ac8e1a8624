#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "core/render/group_legend.h"
#include "core/render/point_marks.h"
#include "core/render/renderer.h"

namespace plot {

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
  int16_t groups;  // in the legend
};

// DrawAxes after the rotations, for half-axes x, y and z: the axes, their names, the
// observations with the legend of their groups, and the blue centre mark.
void draw_logratio_scene(Renderer& renderer, const LogRatioScene& scene, int32_t x, int32_t y,
                         int32_t z);

}  // namespace plot
