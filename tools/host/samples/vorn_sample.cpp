// The predictive-region samples: the regions of the silty soils at 0.90, 0.95 and 0.99, alone
// and over the soils themselves.
#include "vorn_sample.h"

#include "../plots/plot_builders.h"
#include "soil_sample.h"

void show_vorn_regions(const PluginApi& api) {
  show_predictive(
      api, soil_table({2}),
      {.plot = PlotKind::predictive, .file = "the Vorn sample", .levels = {0.90, 0.95, 0.99}});
}

void show_vorn_observations(const PluginApi& api) {
  show_predictive(api, soil_table({2}),
                  {.plot = PlotKind::predictive,
                   .file = "the Vorn sample",
                   .observations = true,
                   .levels = {0.90, 0.95, 0.99}});
}
