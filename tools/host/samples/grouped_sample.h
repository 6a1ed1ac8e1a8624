#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "input/composition_table.h"

// One group of a generated sample: part j of each row is exp(log_centre[j] + spread * z), z a
// standard normal draw, and the row is then closed.
struct GeneratedGroup {
  std::vector<double> log_centre;
  double spread;
};

// `per_group` rows of each group, groups numbered 1, 2, ... in order; the same table for the
// same seed on every machine.
CompositionTable logistic_normal_sample(std::vector<std::string> part_names,
                                        const std::vector<GeneratedGroup>& groups, int per_group,
                                        uint64_t seed);
