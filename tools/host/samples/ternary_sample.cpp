// The ternary samples: a three-part sample closed to proportions, drawn over a 10 % grid, over
// its first two principal components, and over nothing.
#include "ternary_sample.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "../plots/plot_builders.h"
#include "lcg.h"

namespace {

struct Group {
  std::array<double, 3> centre;
  double spread;  // of the log-ratios
};

// 150 compositions in three groups of 50.
CompositionTable sample_compositions() {
  const std::array<Group, 3> groups = {
      {{{0.6, 0.25, 0.15}, 0.25}, {{0.2, 0.6, 0.2}, 0.3}, {{0.15, 0.25, 0.6}, 0.2}}};
  Lcg random(20240917);
  CompositionTable table;
  table.part_names = {"Part A", "Part B", "Part C"};
  table.groups = {"1", "2", "3"};
  table.parts.resize(150, 3);
  for (int g = 0; g < 3; ++g)
    for (int i = 0; i < 50; ++i) {
      std::array<double, 3> parts;
      for (std::size_t j = 0; j < 3; ++j)
        parts[j] = groups[static_cast<std::size_t>(g)].centre[j] *
                   std::exp(groups[static_cast<std::size_t>(g)].spread * random.normal());
      const double sum = parts[0] + parts[1] + parts[2];
      table.parts.row(g * 50 + i) << parts[0] / sum, parts[1] / sum, parts[2] / sum;
      table.group.push_back(g + 1);
    }
  return table;
}

void show(const PluginApi& api, TernaryOverlay overlay, bool shapes) {
  PlotRequest request;
  request.plot = PlotKind::ternary;
  request.file = "the ternary sample";
  request.overlay = overlay;
  request.shapes = shapes;
  show_ternary(api, sample_compositions(), request);
}

}  // namespace

void show_ternary_grid(const PluginApi& api) {
  show(api, TernaryOverlay::grid, false);
}
void show_ternary_components(const PluginApi& api) {
  show(api, TernaryOverlay::components, true);
}
void show_ternary_points_only(const PluginApi& api) {
  show(api, TernaryOverlay::none, false);
}
