#pragma once

#include "../plugin_api.h"

// The 2D biplot of the embedded five-part sample, computed by the host: clr principal
// components, outliers by Mahalanobis distance. Dots with outliers marked and observation
// numbers; or black shapes with numbered rays and the legend of variable numbers.
void show_biplot_dots(const PluginApi& api);
void show_biplot_shapes(const PluginApi& api);
