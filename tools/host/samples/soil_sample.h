#pragma once

#include <initializer_list>

#include "input/composition_table.h"
#include "stats/compositions.h"

// The region samples' embedded data: sand, silt and clay (%) of 45 soil samples in three groups
// of 15, sandy, silty and clayey.
inline constexpr int kSoilGroups = 3;
stats::Matrix soil_group(int group);  // group 1 to 3, one sample per row

// The parts' names, in the columns' order, for the vertex labels.
inline constexpr const char* kSoilParts[3] = {"Sand", "Silt", "Clay"};

// The chosen groups as one closed table, its groups numbered 1, 2, ... in that order.
CompositionTable soil_table(std::initializer_list<int> groups);
