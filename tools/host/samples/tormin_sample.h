#pragma once

#include "../plugin_api.h"

// The 3D log-ratio plot of an embedded sample of four-part compositions in three groups, from
// the exchange files the host writes: additive log-ratios as coloured dots, balances as black
// marker shapes, and the dots again after a few rotation presses.
void show_tormin_alr_dots(const PluginApi& api);
void show_tormin_balance_shapes(const PluginApi& api);
void show_tormin_rotated(const PluginApi& api);
