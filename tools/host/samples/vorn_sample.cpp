// The predictive-region sample: the regions of the silty soils at 0.90, 0.95 and 0.99.
#include "vorn_sample.h"

#include "../plots/plot_builders.h"
#include "soil_sample.h"

void show_vorn_regions(const PluginApi& api) {
  PlotRequest request;
  request.plot = PlotKind::predictive;
  request.file = "the Vorn sample";
  request.levels = {0.90, 0.95, 0.99};
  show_predictive(api, soil_table({2}), request);
}
