// The ternary samples: a three-part sample closed to proportions, drawn over a 10 % grid, over
// its first two principal components, and over nothing.
#include "ternary_sample.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "../plots/plot_builders.h"
#include "grouped_sample.h"

namespace {

// 150 compositions in three groups of 50.
CompositionTable sample_compositions() {
  return logistic_normal_sample({"Part A", "Part B", "Part C"},
                                {{{std::log(0.6), std::log(0.25), std::log(0.15)}, 0.25},
                                 {{std::log(0.2), std::log(0.6), std::log(0.2)}, 0.3},
                                 {{std::log(0.15), std::log(0.25), std::log(0.6)}, 0.2}},
                                50, 20240917);
}

void show(const PluginApi& api, PlotRequest request) {
  request.plot = PlotKind::ternary;
  request.file = "the ternary sample";
  show_ternary(api, sample_compositions(), request);
}

}  // namespace

void show_ternary_grid(const PluginApi& api) {
  show(api, {.overlay = TernaryOverlay::grid});
}
void show_ternary_components(const PluginApi& api) {
  show(api, {.shapes = true, .overlay = TernaryOverlay::components});
}
void show_ternary_points_only(const PluginApi& api) {
  show(api, {});
}
