#pragma once

#include "../plugin_api.h"

// The 3D biplot of the biplot samples' compositions in three principal components, written
// as exchange files into a private profile folder: groups in colour with outliers marked; the
// same turned by a few button presses; black shapes with numbered rays.
void show_havrel_colours(const PluginApi& api);
void show_havrel_colours_turned(const PluginApi& api);
void show_havrel_shapes(const PluginApi& api);
