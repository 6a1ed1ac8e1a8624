#pragma once

#include "sample.h"

// The silty soils' predictive regions at 0.90, 0.95 and 0.99, alone and over the soils.
void show_vorn_regions(const PluginApi& api);
void show_vorn_observations(const PluginApi& api);
