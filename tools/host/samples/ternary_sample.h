#pragma once

#include "sample.h"

// The ternary sample over its 10 % grid, over its principal components, and alone.
void show_ternary_grid(const PluginApi& api);
void show_ternary_components(const PluginApi& api);
void show_ternary_points_only(const PluginApi& api);
