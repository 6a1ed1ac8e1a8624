#pragma once

#include "sample.h"

// The three soil groups' 0.95 confidence regions, centres as dots or as marker shapes.
void show_vornc_dots(const PluginApi& api);
void show_vornc_markers(const PluginApi& api);
