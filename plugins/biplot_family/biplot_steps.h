#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/render/group_legend.h"
#include "core/render/renderer.h"

// The drawing steps the 2D and the 3D biplot share. Each takes plain inputs (a count and an
// accessor for item i), so either plot can feed it from its own records or tables. Counts
// run i = 0 to count - 1; a count of zero or less draws nothing. An accessor may raise (an
// index beyond its record's array): the step then stops where it is, its matrix and
// primitive scopes closed.
namespace plot::biplot {

// A position in model units; the 2D biplot gives z = 0.
struct ModelPoint {
  double x;
  double y;
  double z;
};

// An observation as the observation steps need it.
struct ObservationMark {
  ModelPoint at;
  int shape;     // marker shape 1 to 10; any other value draws no shape
  bool outlier;  // drawn with the outlier mark when outliers are marked
};

using PointAt = std::function<ModelPoint(int32_t)>;
using ObservationAt = std::function<ObservationMark(int32_t)>;
using ColourAt = std::function<Rgb(int32_t)>;
using NameAt = std::function<const std::string&(int32_t)>;
using ValueAt = std::function<float(int32_t)>;

enum class OutlierMarking { Off, On };

// Shape modes of step 3: each observation in black, translated to its position; with
// marking an outlier gets the outlier mark instead of its shape.
void draw_observation_shapes(const MarkerLists& markers, int32_t count,
                             const ObservationAt& observation, OutlierMarking marking);

// Dot modes of step 3: each observation in `colour(i)`, `lift` in front of its position (the
// 2D plot lifts dots off the plane of its rays, the 3D plot does not). Without marking: one
// point primitive of 5-pixel dots. With marking: an outlier is the outlier mark in its own
// colour; any other observation sets the point size to 5 and is a point primitive of its own
// (so with only outliers no point size is set).
void draw_observation_dots(const MarkerLists& markers, int32_t count,
                           const ObservationAt& observation, const ColourAt& colour, double lift,
                           OutlierMarking marking);

enum class GroupLegend {
  Shapes,   // marker shape j in the current colour; groups above 10 get their text only
  Colours,  // a dot in entry j of the group colour table; group 11 and above raise
};

// The group legend at the upper right: group j's sample at (1, 1.08 - 0.08 j, 0) and
// "Grup j " (or name j) 0.05 to its right and 0.02 below. Nothing for `groups` of zero or less.
void draw_group_legend(Renderer& renderer, GroupLegend legend, int16_t groups,
                       const StringArray& names);

// Step 4: the number i + 1 of each observation in black, its text at (x - 0.02, y + 0.02, z).
void draw_observation_numbers(Renderer& renderer, int32_t count, const PointAt& at);

// Step 5: black rays from the origin to each tip, the tip `lift` in front of its position.
void draw_rays(int32_t count, const PointAt& tip, double lift);

enum class RayLabelPlace {
  OffTheTip,  // 2D: 0.02 above a tip with y > 0, else 0.06 below it, in the plane z = 0
  AtTheTip,   // 3D: exactly at the tip
};

// Step 6: each ray's label in black: its name when `by_name`, else its number k + 1.
void draw_ray_labels(Renderer& renderer, int32_t count, const PointAt& tip, const NameAt& name,
                     bool by_name, RayLabelPlace place);

// Step 7 (when rays are numbered): "k + 1 = name " from (1, 0, 0) downwards, 0.08 apart.
void draw_variable_legend(Renderer& renderer, int32_t count, const NameAt& name);

// Steps 8 and 9: "Cumulative proportion explained: " at (-1.8, 1.2, 0), then proportion(j)
// for j = 1 to `rang` in the general number format, from (-1.7, 1.1, 0) downwards, 0.08
// apart.
void draw_cumulative_proportions(Renderer& renderer, int32_t rang, const ValueAt& proportion);

// Step 10 (when outliers are marked): "= Outliers " at (-1.7, -1.2, 0) and the outlier mark
// at (-1.8, -1.17, 0), both in the current colour.
void draw_outliers_legend(Renderer& renderer);

}  // namespace plot::biplot
