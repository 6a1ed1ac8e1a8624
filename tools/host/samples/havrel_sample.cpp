#include "havrel_sample.h"

#include "../plots/plot_builders.h"
#include "biplot_sample_data.h"

void show_havrel_colours(const PluginApi& api) {
  show_biplot3d(
      api, biplot_table(),
      {.plot = PlotKind::biplot3d, .file = "the Havrel sample", .outliers = true, .names = true});
}

void show_havrel_colours_turned(const PluginApi& api) {
  show_havrel_colours(api);
  for (const char* button : {"Rot_XX", "Rot_XX", "Rot_XX", "Rot_YY", "Rot_YY", "Rot_YY", "Rot_YY",
                             "Rot_YY", "Rot_YY", "inc_zoom"})
    api.click(button);
}

void show_havrel_shapes(const PluginApi& api) {
  show_biplot3d(api, biplot_table(),
                {.plot = PlotKind::biplot3d, .file = "the Havrel sample", .shapes = true});
}
