#pragma once

#include "plugin_api.h"

// Makes the picture on show hold all its text: a plug-in places its names and legends at fixed
// places of its view, so long names or a small picture can push them past the edges. A 3D view
// first steps back with "zoom -"; then the picture is widened (the plug-ins' scale follows the
// height, so a wider picture shows more of the view at each side). Says on standard output
// what it changed. `scale` is the picture scale the host set (picture pixels per view pixel).
// Returns false when ink still touches the top or bottom edge.
bool fit_picture(const PluginApi& api, bool three_d, int scale);
