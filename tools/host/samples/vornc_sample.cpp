// The confidence-region sample: the region of each soil group's centre at 0.95.
#include "vornc_sample.h"

#include "../plots/plot_builders.h"
#include "soil_sample.h"

namespace {

void show_vornc(const PluginApi& api, bool shapes) {
  show_confidence(
      api, soil_table({1, 2, 3}),
      {.plot = PlotKind::confidence, .file = "the Vornc sample", .shapes = shapes, .level = 0.95});
}

}  // namespace

void show_vornc_dots(const PluginApi& api) {
  show_vornc(api, false);
}
void show_vornc_markers(const PluginApi& api) {
  show_vornc(api, true);
}
