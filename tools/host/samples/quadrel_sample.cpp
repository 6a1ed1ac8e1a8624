// The tetrahedron samples: a four-part sample in three groups, as shapes, as dots, and turned,
// the last also with the four names at their corners.
#include <array>
#include <cstdint>

#include "../plots/plot_builders.h"
#include "quadrel_sample.h"
#include "stats/compositions.h"

namespace {

struct Row {
  std::array<double, 4> parts;  // as measured, in any unit; closed below
  int group;
};

// Ten compositions per group, each group rich in one of the first three parts.
constexpr Row kSample[] = {
    {{61, 14, 12, 13}, 1}, {{55, 17, 15, 13}, 1}, {{66, 11, 9, 14}, 1},  {{58, 12, 18, 12}, 1},
    {{70, 8, 10, 12}, 1},  {{52, 20, 11, 17}, 1}, {{63, 15, 7, 15}, 1},  {{59, 9, 14, 18}, 1},
    {{67, 13, 12, 8}, 1},  {{56, 16, 16, 12}, 1}, {{12, 58, 15, 15}, 2}, {{9, 64, 12, 15}, 2},
    {{15, 52, 18, 15}, 2}, {{11, 61, 9, 19}, 2},  {{14, 55, 20, 11}, 2}, {{8, 68, 13, 11}, 2},
    {{13, 57, 11, 19}, 2}, {{10, 62, 16, 12}, 2}, {{16, 50, 14, 20}, 2}, {{12, 60, 17, 11}, 2},
    {{14, 13, 35, 38}, 3}, {{11, 15, 30, 44}, 3}, {{16, 10, 38, 36}, 3}, {{12, 12, 33, 43}, 3},
    {{9, 14, 40, 37}, 3},  {{15, 11, 31, 43}, 3}, {{13, 16, 36, 35}, 3}, {{10, 12, 42, 36}, 3},
    {{12, 9, 34, 45}, 3},  {{17, 13, 29, 41}, 3},
};
CompositionTable quadrel_table() {
  CompositionTable table;
  table.part_names = {"Part A", "Part B", "Part C", "Part D"};
  table.groups = {"1", "2", "3"};
  constexpr auto n = static_cast<Eigen::Index>(std::size(kSample));
  stats::Matrix parts(n, 4);
  for (Eigen::Index i = 0; i < n; ++i) {
    for (Eigen::Index j = 0; j < 4; ++j)
      parts(i, j) = kSample[i].parts[static_cast<std::size_t>(j)];
    table.group.push_back(kSample[i].group);
  }
  table.parts = stats::closure(parts);
  return table;
}

void show_quadrel(const PluginApi& api, bool shapes, bool corner_names = false) {
  show_tetrahedron(api, quadrel_table(),
                   {.plot = PlotKind::tetrahedron,
                    .file = "the Quadrel sample",
                    .shapes = shapes,
                    .corner_names = corner_names});
}

void turn(const PluginApi& api) {
  for (const char* button : {"Rot_YY", "Rot_YY", "Rot_YY", "Rot_X", "Rot_X", "Rot_X"})
    api.click(button);
}

}  // namespace

void show_quadrel_shapes(const PluginApi& api) {
  show_quadrel(api, true);
}
void show_quadrel_dots(const PluginApi& api) {
  show_quadrel(api, false);
}
void show_quadrel_rotated(const PluginApi& api) {
  show_quadrel(api, false);
  turn(api);
}
void show_quadrel_corners(const PluginApi& api) {
  show_quadrel(api, false, true);
  turn(api);
}
