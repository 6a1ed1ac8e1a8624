#include "havrel_sample.h"

#include "../plots/plot_builders.h"
#include "biplot_sample_data.h"

namespace {

void show(const PluginApi& api, bool shapes, bool names, bool outliers) {
  PlotRequest request;
  request.plot = PlotKind::biplot3d;
  request.file = "the Havrel sample";
  request.shapes = shapes;
  request.names = names;
  request.outliers = outliers;
  show_biplot3d(api, biplot_table(), request);
}

}  // namespace

void show_havrel_colours(const PluginApi& api) {
  show(api, /*shapes=*/false, /*names=*/true, /*outliers=*/true);
}

void show_havrel_colours_turned(const PluginApi& api) {
  show_havrel_colours(api);
  for (const char* button : {"Rot_XX", "Rot_XX", "Rot_XX", "Rot_YY", "Rot_YY", "Rot_YY", "Rot_YY",
                             "Rot_YY", "Rot_YY", "inc_zoom"})
    api.click(button);
}

void show_havrel_shapes(const PluginApi& api) {
  show(api, /*shapes=*/true, /*names=*/false, /*outliers=*/false);
}
