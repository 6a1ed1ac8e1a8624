#include "pellin_sample.h"

#include "../plots/plot_builders.h"
#include "grouped_sample.h"

namespace {

// 150 compositions in three groups, around a different alr centre each.
CompositionTable make_compositions() {
  return logistic_normal_sample(
      {"x1", "x2", "x3"}, {{{0.9, 0.3, 0}, 0.35}, {{-0.5, 0.8, 0}, 0.35}, {{0.2, -0.9, 0}, 0.35}},
      50, 20240611u);
}

void show(const PluginApi& api, bool markers) {
  show_logratio(api, make_compositions(),
                {.plot = PlotKind::logratio, .file = "the Pellin sample", .shapes = markers});
}

}  // namespace

void show_pellin_dots(const PluginApi& api) {
  show(api, false);
}

void show_pellin_markers(const PluginApi& api) {
  show(api, true);
}
