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
  const StringArray& group_names;
  const LegendLayout& legend;
};

// The legend at the upper right, down from (1.2, 1) in rows 0.08 apart: a line of text in the
// plane.
inline constexpr LegendLayout kLogRatioLegend{.origin = {1.2, 1.0, 0.0},
                                              .row_step = 0.08,
                                              .text_dx = 0.05,
                                              .text_dy = 0.02,
                                              .raster_at_sample = false};
// In space the default view (10 degrees, from a corner) shrinks 0.08 to less than a line of text,
// so the rows go down by 0.13 there; the rest is the plane's layout.
inline constexpr LegendLayout kLogRatio3dLegend{.origin = kLogRatioLegend.origin,
                                                .row_step = 0.13,
                                                .text_dx = kLogRatioLegend.text_dx,
                                                .text_dy = kLogRatioLegend.text_dy,
                                                .raster_at_sample = false};

// DrawAxes after the rotations, for half-axes x, y and z: the axes, their names, the
// observations with the legend of their groups, and the blue centre mark.
void draw_logratio_scene(Renderer& renderer, const LogRatioScene& scene, int32_t x, int32_t y,
                         int32_t z);

}  // namespace plot
