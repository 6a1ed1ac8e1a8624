#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "input/composition_table.h"
#include "stats/compositions.h"

// The biplot samples' data: 150 five-part compositions in three groups of 50, the same at
// every run, as the host would read them from a file (not yet closed).
struct GroupedCompositions {
  stats::Matrix parts;         // one composition per row
  std::vector<int16_t> group;  // 1 to 3, one per row
};
GroupedCompositions biplot_compositions();
// The same, closed, as the plot builders take a user's file.
CompositionTable biplot_table();

// The parts' names, in column order.
inline constexpr std::array<const char*, 5> kBiplotPartNames = {"Ca", "Mg", "Na", "K", "Cl"};
