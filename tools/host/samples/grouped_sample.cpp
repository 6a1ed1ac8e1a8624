#include "grouped_sample.h"

#include <cmath>

#include "lcg.h"

CompositionTable logistic_normal_sample(std::vector<std::string> part_names,
                                        const std::vector<GeneratedGroup>& groups, int per_group,
                                        uint64_t seed) {
  Lcg random(seed);
  CompositionTable table;
  const auto parts = static_cast<Eigen::Index>(part_names.size());
  table.part_names = std::move(part_names);
  stats::Matrix raw(static_cast<Eigen::Index>(groups.size()) * per_group, parts);
  Eigen::Index row = 0;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    table.groups.push_back(std::to_string(g + 1));
    for (int i = 0; i < per_group; ++i, ++row) {
      for (Eigen::Index j = 0; j < parts; ++j)
        raw(row, j) = std::exp(groups[g].log_centre[static_cast<std::size_t>(j)] +
                               groups[g].spread * random.normal());
      table.group.push_back(static_cast<int>(g + 1));
    }
  }
  table.parts = stats::closure(raw);
  return table;
}
