#pragma once

#include "../plugin_api.h"

// The 2D log-ratio plot of an embedded sample of three-part compositions in three groups:
// coloured dots, or black marker shapes by group.
void show_pellin_dots(const PluginApi& api);
void show_pellin_markers(const PluginApi& api);
