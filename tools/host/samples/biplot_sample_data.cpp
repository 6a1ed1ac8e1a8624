#include "biplot_sample_data.h"

#include <cmath>

#include "lcg.h"

namespace {

constexpr int kGroups = 3;
constexpr int kPerGroup = 50;
constexpr int kParts = static_cast<int>(kBiplotPartNames.size());

}  // namespace

GroupedCompositions biplot_compositions() {
  // Each group's typical composition; parts vary log-normally around it, so the groups
  // separate along the clr directions.
  constexpr double kCentre[kGroups][kParts] = {
      {0.40, 0.25, 0.15, 0.10, 0.10},
      {0.15, 0.40, 0.10, 0.25, 0.10},
      {0.10, 0.10, 0.35, 0.15, 0.30},
  };
  constexpr double kSpread = 0.3;
  Lcg random(20261208);
  GroupedCompositions sample;
  sample.parts.resize(kGroups * kPerGroup, kParts);
  for (int g = 0; g < kGroups; ++g)
    for (int i = 0; i < kPerGroup; ++i) {
      const int row = g * kPerGroup + i;
      for (int j = 0; j < kParts; ++j)
        sample.parts(row, j) = kCentre[g][j] * std::exp(kSpread * random.normal());
      sample.group.push_back(static_cast<int16_t>(g + 1));
    }
  return sample;
}

CompositionTable biplot_table() {
  const GroupedCompositions sample = biplot_compositions();
  CompositionTable table;
  table.part_names.assign(kBiplotPartNames.begin(), kBiplotPartNames.end());
  table.parts = stats::closure(sample.parts);
  table.groups = {"1", "2", "3"};
  table.group.assign(sample.group.begin(), sample.group.end());
  return table;
}
