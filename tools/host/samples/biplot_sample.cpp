#include "biplot_sample.h"

#include "../plots/plot_builders.h"
#include "biplot_sample_data.h"

void show_biplot_dots(const PluginApi& api) {
  show_biplot(api, biplot_table(),
              {.plot = PlotKind::biplot,
               .file = "the biplot sample",
               .labels = true,
               .outliers = true,
               .names = true});
}

void show_biplot_shapes(const PluginApi& api) {
  show_biplot(api, biplot_table(),
              {.plot = PlotKind::biplot, .file = "the biplot sample", .shapes = true});
}
