#include "biplot_sample_data.h"

#include <cmath>

#include "grouped_sample.h"

namespace {

// Each group's typical composition; parts vary log-normally around it, so the groups separate
// along the clr directions.
GeneratedGroup around(std::vector<double> centre) {
  for (double& c : centre) c = std::log(c);
  return {std::move(centre), 0.3};
}

}  // namespace

CompositionTable biplot_table() {
  return logistic_normal_sample(
      {"Ca", "Mg", "Na", "K", "Cl"},
      {around({0.40, 0.25, 0.15, 0.10, 0.10}), around({0.15, 0.40, 0.10, 0.25, 0.10}),
       around({0.10, 0.10, 0.35, 0.15, 0.30})},
      50, 20261208);
}
