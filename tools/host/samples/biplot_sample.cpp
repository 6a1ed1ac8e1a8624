#include "biplot_sample.h"

#include "../plots/plot_builders.h"
#include "biplot_sample_data.h"

namespace {

void show(const PluginApi& api, bool names, bool outliers, bool labels, bool shapes) {
  PlotRequest request;
  request.plot = PlotKind::biplot;
  request.file = "the biplot sample";
  request.names = names;
  request.outliers = outliers;
  request.labels = labels;
  request.shapes = shapes;
  show_biplot(api, biplot_table(), request);
}

}  // namespace

void show_biplot_dots(const PluginApi& api) {
  show(api, /*names=*/true, /*outliers=*/true, /*labels=*/true, /*shapes=*/false);
}

void show_biplot_shapes(const PluginApi& api) {
  show(api, /*names=*/false, /*outliers=*/false, /*labels=*/false, /*shapes=*/true);
}
