#pragma once

#include "sample.h"

// The soil sample on the ternary diagram, its legend naming the groups.
void show_ternary_named_groups(const PluginApi& api);
