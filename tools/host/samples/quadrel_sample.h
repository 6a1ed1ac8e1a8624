#pragma once

#include "sample.h"

// The tetrahedron sample as marker shapes, as coloured dots, and as dots after a few
// rotation presses, without and with its four parts named at their corners.
void show_quadrel_shapes(const PluginApi& api);
void show_quadrel_dots(const PluginApi& api);
void show_quadrel_rotated(const PluginApi& api);
void show_quadrel_corners(const PluginApi& api);
